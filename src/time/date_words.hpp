#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace skyanchor {

// What a word of a date text can say. One spelling may say several things (Spanish "mar" is
// March and Tuesday); the reader picks the meaning that fits.
struct WordMeaning {
    int month = 0;        // 1..12
    int dayHalf = 0;      // 1 before noon, 2 after
    bool weekday = false;
    bool literal = false; // text of the locale's patterns ("de", "г.", "年")

    void merge(const WordMeaning& other);

    [[nodiscard]] static WordMeaning ofMonth(int month) { return {month, 0, false, false}; }
    [[nodiscard]] static WordMeaning ofDayHalf(int half) { return {0, half, false, false}; }
    [[nodiscard]] static WordMeaning ofWeekday() { return {0, 0, true, false}; }
    [[nodiscard]] static WordMeaning ofLiteral() { return {0, 0, false, true}; }
};

// The locale's words and phrases in reading form (see readingForm), found by longest match.
class DateWords {
public:
    // Adds text (any case, any digits, as the locale writes it) with its meaning; texts without a
    // letter are skipped.
    void add(std::string_view text, const WordMeaning& meaning);

    struct Match {
        std::size_t length;
        WordMeaning meaning;
    };
    // The longest word that starts at pos of a text in reading form.
    [[nodiscard]] std::optional<Match> longestAt(std::string_view text, std::size_t pos) const;

private:
    struct Entry {
        std::string text;
        WordMeaning meaning;
    };
    // By their first character (its UTF-8 bytes as a number), longest first.
    std::unordered_map<std::uint32_t, std::vector<Entry>> entries_;
};

}  // namespace skyanchor
