#pragma once

#include "base/result.hpp"
#include "time/date_text_codec.hpp"
#include "time/date_words.hpp"

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

namespace skyanchor {

// A number or a meaningful word of a typed text (in reading form); the locale's pattern words
// and all punctuation between them are left in the gaps.
struct DatePiece {
    std::size_t begin = 0;
    std::size_t end = 0;
    bool isNumber = false;
    bool afterT = false;  // ISO 8601's "T" joins it to a date
    bool afterW = false;  // ISO 8601's "W" makes it a week ("2026-W50-3")
    int value = 0;        // a zone's offset from UT in minutes, for its abbreviation
    std::size_t digits = 0;  // as typed; "元" (the first year) counts as one digit
    WordMeaning meaning;

    // A day-half word or a day period.
    [[nodiscard]] bool marksTime() const {
        return !isNumber && !meaning.literal && meaning.month == 0 &&
               (meaning.dayHalf != 0 || meaning.anyDayHalf != 0 || meaning.period != 0);
    }
};

// The pieces of a text in reading form, cut once; linear in the text's length, however it was
// pasted. Refusals quote the text as typed.
class DatePieces {
public:
    DatePieces(std::string_view typed, std::string_view form, const DateTextCodec& codec);

    // Whether the text was cut whole, or why it is no date text: a number of ten digits, a word
    // that is none of the locale's, "元" away from its era, more pieces than a date and a time have.
    [[nodiscard]] const Status& status() const { return status_; }

    [[nodiscard]] std::size_t size() const { return count_; }
    [[nodiscard]] const DatePiece& operator[](std::size_t i) const { return pieces_[i]; }

    // The text of a piece, or of the form's bytes begin..end, as it was typed; and what stands
    // between a piece and its neighbours (or the text's ends).
    [[nodiscard]] std::string_view typedTextOf(std::size_t i) const { return typedText(pieces_[i].begin, pieces_[i].end); }
    [[nodiscard]] std::string_view typedText(std::size_t begin, std::size_t end) const;
    [[nodiscard]] std::string_view gapBefore(std::size_t i) const {
        const std::size_t from = i == 0 ? 0 : pieces_[i - 1].end;
        return text_.substr(from, pieces_[i].begin - from);
    }
    [[nodiscard]] std::string_view gapAfter(std::size_t i) const {
        const std::size_t to = i + 1 < count_ ? pieces_[i + 1].begin : text_.size();
        return text_.substr(pieces_[i].end, to - pieces_[i].end);
    }

private:
    static constexpr std::size_t kMaxPieces = 24;

    // Each step returns where the next begins.
    [[nodiscard]] std::size_t cutAt(std::size_t pos);
    [[nodiscard]] std::size_t addNumber(std::size_t pos);
    [[nodiscard]] std::size_t addWord(std::size_t pos, const std::optional<DateWords::Match>& match);
    [[nodiscard]] std::size_t runEndFrom(std::size_t pos);
    [[nodiscard]] bool isWholeWord(std::size_t pos, std::size_t runEnd, const std::optional<DateWords::Match>& match) const;
    [[nodiscard]] std::size_t addWordPiece(std::size_t begin, std::size_t end, const WordMeaning& meaning);
    [[nodiscard]] std::size_t addZone(std::size_t begin, std::size_t end, const std::vector<int>& offsets);
    [[nodiscard]] bool startsWeek(std::size_t pos, std::size_t runEnd) const;
    [[nodiscard]] Failure unknownWord(std::size_t begin, std::size_t end) const;
    // Keeps the refusal and ends the cutting.
    [[nodiscard]] std::size_t stop(Failure refusal);

    std::string_view typed_;
    std::string_view text_;
    const DateTextCodec& codec_;
    std::array<DatePiece, kMaxPieces> pieces_{};
    std::size_t count_ = 0;
    std::size_t words_ = 0;
    std::size_t runEnd_ = 0;
    bool afterT_ = false;
    bool afterW_ = false;
    Status status_ = done();
};

}  // namespace skyanchor
