#pragma once

#include "time/date_pattern.hpp"

#include <string>
#include <string_view>
#include <vector>

namespace skyanchor {

// A text in reading form without its blanks: how separators and hour words are kept.
[[nodiscard]] std::string compactForm(std::string_view text);

// Adds the literals that stand between two fields that pass the test, in compact form, each once;
// a blank alone ("dd/MM y") as the empty separator where keepBlank.
void addSeparators(const std::vector<DateToken>& tokens, bool (*isField)(DateToken::Field), std::vector<std::string>& separators,
                   bool keepBlank = false);

// Whether a gap between numbers is a separator (kept without blanks), blanks in the gap aside.
[[nodiscard]] bool equalIgnoringBlanks(std::string_view gap, std::string_view separator);
[[nodiscard]] bool isSeparatorIn(const std::vector<std::string>& separators, std::string_view gap);

[[nodiscard]] inline bool isDateField(DateToken::Field field) {
    return field != DateToken::Field::Literal && !isClockField(field) && field != DateToken::Field::DayHalf;
}

}  // namespace skyanchor
