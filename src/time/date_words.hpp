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
    int month = 0;          // 1..12
    int dayHalf = 0;        // the locale's marker: 1 before noon, 2 after
    unsigned weekday = 0;   // bit 0 Monday .. bit 6 Sunday
    bool literal = false;   // text of the locale's patterns ("de", "г.", "年", "at")
    int anyDayHalf = 0;     // "AM"/"PM" of any locale: 1 or 2, only right after a time
    int period = 0;         // 1 + the index of a day period of the codec ("noon", "晚上")
    int era = 0;            // 1 + the index of an era of the codec ("พ.ศ.", "AD")
    bool zone = false;      // a name of UT ("UTC", "GMT")
    int calendarMonth = 0;  // 1..12, a month of another calendar of the locale ("آذر")
    int monthCalendar = 0;  // 1 + the index of that calendar among the codec's other calendars
    bool firstYear = false; // the first year of an era, in words (Japanese "元" of "元年")
    bool zoneOffset = false; // a zone's abbreviation ("EST"): its piece holds the offset from UT

    void merge(const WordMeaning& other);

    [[nodiscard]] static WordMeaning ofMonth(int month) { return {.month = month}; }
    [[nodiscard]] static WordMeaning ofDayHalf(int half) { return {.dayHalf = half}; }
    // Monday is 1, Sunday 7.
    [[nodiscard]] static WordMeaning ofWeekday(int day) { return {.weekday = 1u << (day - 1)}; }
    [[nodiscard]] static WordMeaning ofLiteral() { return {.literal = true}; }
};

// The locale's words and phrases in reading form (see readingForm), found by longest match.
class DateWords {
public:
    // Turkish and Azerbaijani pair I with ı and İ with i.
    explicit DateWords(bool turkicCase = false) : turkicCase_(turkicCase) {}

    // Adds text (any case, any digits, as the locale writes it) with its meaning; texts without a
    // letter are skipped.
    void add(std::string_view text, const WordMeaning& meaning);

    struct Match {
        std::size_t length;
        WordMeaning meaning;
    };
    // The longest word that starts at pos of a text in reading form.
    [[nodiscard]] std::optional<Match> longestAt(std::string_view text, std::size_t pos) const;
    // Whether a text (any case) is a word already.
    [[nodiscard]] bool contains(std::string_view text) const;
    [[nodiscard]] bool turkicCase() const { return turkicCase_; }

private:
    struct Entry {
        std::string text;
        WordMeaning meaning;
    };
    // By their first character (its UTF-8 bytes as a number), longest first.
    std::unordered_map<std::uint32_t, std::vector<Entry>> entries_;
    bool turkicCase_ = false;
};

}  // namespace skyanchor
