#pragma once

#include "time/date_conventions.hpp"

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace skyanchor {

// One element of a compiled date or time pattern.
struct DateToken {
    enum class Field { Literal, Day, Month, MonthAbbreviation, MonthName, Year, Hour24, Hour12, Minute, Second, DayHalf };
    Field field = Field::Literal;
    bool padded = false;      // two digits
    bool lowercase = false;   // day-half marker in lower case
    std::string literal;
};

// A pattern in the usual date-format letters: d dd (day), ddd dddd (weekday), M MM MMM MMMM
// (month as number, abbreviation, name), y..yyyy (year), h hh (12-hour when the pattern has a
// day-half marker), H HH (24-hour), m mm, s ss, AP ap A a (day-half marker), t (time zone), z
// (milliseconds), 'quoted text'. Other letters are text.
struct DatePattern {
    // What a date text writes: the fields a serial carries. A field it leaves out (weekday, time
    // zone, milliseconds, letters of no field) takes along what only wrapped or introduced it:
    // the punctuation and blanks before it, its closing bracket.
    std::vector<DateToken> tokens;
    // Every run of letters of the pattern's text, as the locale may write it around the fields.
    std::vector<std::string> words;
};

[[nodiscard]] DatePattern compilePattern(std::string_view pattern);

[[nodiscard]] inline bool isClockField(DateToken::Field field) {
    using Field = DateToken::Field;
    return field == Field::Hour12 || field == Field::Hour24 || field == Field::Minute || field == Field::Second;
}

// Whether one of the fields is among the tokens, and the place of the first (tokens.size() for none).
[[nodiscard]] bool hasField(const std::vector<DateToken>& tokens, std::initializer_list<DateToken::Field> fields);
[[nodiscard]] std::size_t indexOfField(const std::vector<DateToken>& tokens, std::initializer_list<DateToken::Field> fields);

// The order of day, month and year in a date pattern's tokens.
[[nodiscard]] DateOrder orderOf(const std::vector<DateToken>& tokens);

}  // namespace skyanchor
