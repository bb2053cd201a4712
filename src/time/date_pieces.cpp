#include "time/date_pieces.hpp"

#include "time/reader_refusals.hpp"
#include "time/unicode_text.hpp"

#include <algorithm>
#include <utility>

namespace skyanchor {
namespace {

using words::DatePieceFault;
using words::DateTextFault;

// Words of the patterns count too, so that a paste of joining words ("at" 50,000 times) ends early.
constexpr std::size_t kMaxWords = 64;
constexpr std::size_t kMaxDigits = 9;

// An abbreviation of a zone is short: longer runs of letters are not looked up.
constexpr std::size_t kMaxZoneLength = 24;

bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool isCapitals(std::string_view text) {
    return text.size() >= 2 && text.size() <= 5 && std::all_of(text.begin(), text.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
}

}  // namespace

DatePieces::DatePieces(std::string_view typed, std::string_view form, const DateTextCodec& codec)
    : typed_(typed), text_(form), codec_(codec) {
    for (std::size_t pos = 0; pos < form.size();) pos = cutAt(pos);
}

std::string_view DatePieces::typedText(std::size_t begin, std::size_t end) const {
    return typedSpan(typed_, begin, end, codec_.words().turkicCase());
}

// Where the next piece begins after the one, if any, that begins at pos: past the text's end
// once the text is refused.
std::size_t DatePieces::cutAt(std::size_t pos) {
    if (static_cast<unsigned char>(text_[pos]) < '0') return pos + 1;  // blanks and ASCII punctuation begin no word
    const auto match = codec_.words().longestAt(text_, pos);
    if (isDigit(text_[pos]) && !match) return addNumber(pos);
    if (letterLength(text_, pos) != 0) return addWord(pos, match);
    if (!match) return pos + 1;  // other punctuation and symbols
    return addWordPiece(pos, pos + match->length, match->meaning);
}

std::size_t DatePieces::addNumber(std::size_t pos) {
    const std::size_t begin = pos;
    int value = 0;
    for (; pos < text_.size() && isDigit(text_[pos]); ++pos) {
        if (pos - begin == kMaxDigits) {
            return stop(refusal(DatePieceFault::TooLongNumber, typedText(begin, begin + kMaxDigits + 1), codec_));
        }
        value = value * 10 + (text_[pos] - '0');
    }
    if (++words_ > kMaxWords || count_ == kMaxPieces) return stop(refusal(DateTextFault::TooLong, codec_));
    pieces_[count_++] = DatePiece{.begin = begin, .end = pos, .isNumber = true, .afterT = std::exchange(afterT_, false),
                                  .afterW = std::exchange(afterW_, false), .value = value, .digits = pos - begin, .meaning = {}};
    return pos;
}

// The end of the run of letters that holds pos; found once for the whole run, however many
// words it holds, so that reading stays linear in the text's length.
std::size_t DatePieces::runEndFrom(std::size_t pos) {
    if (pos < runEnd_) return runEnd_;
    runEnd_ = pos;
    while (runEnd_ < text_.size()) {
        const std::size_t next = letterLength(text_, runEnd_);
        if (next == 0) break;
        runEnd_ += next;
    }
    return runEnd_;
}

// A word is whole when its letters end there or a word of the locale follows glued to it
// (Kurdish "یەکەمی": a month name and the suffix "ی").
bool DatePieces::isWholeWord(std::size_t pos, std::size_t runEnd, const std::optional<DateWords::Match>& match) const {
    if (!match) return false;
    const std::size_t end = pos + match->length;
    if (end >= runEnd || letterLength(text_, end) == 0) return true;
    const auto next = codec_.words().longestAt(text_, end);
    return next && end + next->length == runEnd;
}

// A word of the locale (the longest that starts here), a beginning of a month name, a zone's
// abbreviation, or ISO 8601's "T" between date and time, "W" before a week and "Z" after a time.
std::size_t DatePieces::addWord(std::size_t pos, const std::optional<DateWords::Match>& match) {
    const std::size_t runEnd = runEndFrom(pos);
    const bool oneLetterAfterDigit = pos > 0 && isDigit(text_[pos - 1]) && runEnd == pos + 1;
    if (oneLetterAfterDigit && text_[pos] == 't' && runEnd < text_.size() && isDigit(text_[runEnd])) {
        afterT_ = true;
        return runEnd;
    }
    if (startsWeek(pos, runEnd)) {
        afterW_ = true;
        return runEnd;
    }
    if (oneLetterAfterDigit && text_[pos] == 'z') return addWordPiece(pos, runEnd, WordMeaning{.zone = true});
    if (!isWholeWord(pos, runEnd, match)) {
        const std::string_view run = text_.substr(pos, runEnd - pos);
        if (const int month = codec_.monthOfBeginning(run)) return addWordPiece(pos, runEnd, WordMeaning::ofMonth(month));
        if (run.size() <= kMaxZoneLength) {
            const std::vector<int> offsets = codec_.zoneOffsetsOf(run);
            if (!offsets.empty()) return addZone(pos, runEnd, offsets);
        }
    }
    if (!match) return stop(unknownWord(pos, runEnd));
    return addWordPiece(pos, pos + match->length, match->meaning);
}

// ISO 8601's "W" right after a year, or after its hyphen, and before a digit.
bool DatePieces::startsWeek(std::size_t pos, std::size_t runEnd) const {
    if (text_[pos] != 'w' || runEnd != pos + 1 || runEnd == text_.size() || !isDigit(text_[runEnd]) || count_ == 0) return false;
    const DatePiece& year = pieces_[count_ - 1];
    const std::string_view gap = text_.substr(year.end, pos - year.end);
    return year.isNumber && year.digits == 4 && (gap.empty() || gap == "-");
}

// Capitals after a date or a time are taken for a zone's abbreviation that the locale lacks.
Failure DatePieces::unknownWord(std::size_t begin, std::size_t end) const {
    const std::string_view typed = typedText(begin, end);
    const bool zone = count_ > 0 && isCapitals(typed);
    return refusal(zone ? DatePieceFault::UnknownZone : DatePieceFault::UnknownWord, typed, codec_);
}

// The piece of an abbreviation holds its offset; one the locale gives to zones at several offsets
// names none.
std::size_t DatePieces::addZone(std::size_t begin, std::size_t end, const std::vector<int>& offsets) {
    if (offsets.size() > 1) return stop(refusal(words::zoneOfSeveralOffsets(typedText(begin, end), offsets)));
    const std::size_t next = addWordPiece(begin, end, WordMeaning{.zone = true, .zoneOffset = true});
    if (status_) pieces_[count_ - 1].value = offsets.front();
    return next;
}

// A word is kept unless it is a word of the patterns only (a joining word spelled as a day-half
// word is kept: the reader tells them apart by their place); "元" (明治元年) is the year 1, right
// after its era.
std::size_t DatePieces::addWordPiece(std::size_t begin, std::size_t end, const WordMeaning& meaning) {
    if (++words_ > kMaxWords) return stop(refusal(DateTextFault::TooLong, codec_));
    const bool firstYear = meaning.firstYear;
    if (firstYear && !(count_ > 0 && pieces_[count_ - 1].meaning.era != 0 && pieces_[count_ - 1].end == begin)) {
        return stop(refusal(DatePieceFault::FirstYearAwayFromEra, typedText(begin, end), codec_));
    }
    const bool patternWordOnly = meaning.literal && meaning.month == 0 && meaning.weekday == 0 && meaning.calendarMonth == 0 &&
                                 meaning.dayHalf == 0 && meaning.anyDayHalf == 0;
    if (!firstYear && patternWordOnly) return end;
    if (count_ == kMaxPieces) return stop(refusal(DateTextFault::TooLong, codec_));
    pieces_[count_++] = DatePiece{.begin = begin, .end = end, .isNumber = firstYear, .afterT = false, .afterW = false,
                                  .value = firstYear ? 1 : 0, .digits = firstYear ? 1u : 0u, .meaning = meaning};
    return end;
}

std::size_t DatePieces::stop(Failure refusal) {
    status_ = std::move(refusal);
    return text_.size();
}

}  // namespace skyanchor
