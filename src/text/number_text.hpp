#pragma once

#include "base/result.hpp"

#include <cstddef>
#include <string>
#include <string_view>

namespace skyanchor {

// How the user's locale writes numbers, as far as reading them goes. Where it writes a comma as
// its decimal separator, a comma between two digits is a decimal point too ("51544,5" is
// 51544.5); "." stays one everywhere, since every number this program writes uses it.
struct NumberConventions {
    bool decimalComma = false;
};

// Reads the number at the start of a text, as people type it into a field: blanks, tabs and
// line feeds anywhere are ignored, "." is the decimal point (and a comma between digits where the
// conventions say so), and a text that does not begin with a number reads as 0. "&H" and "&O"
// introduce hexadecimal and octal whole numbers.
// Fails with Overflow when the number lies beyond the double range.
[[nodiscard]] Result<double> parseLeadingNumber(std::string_view text, NumberConventions conventions = {});

// The text as parseLeadingNumber sees it: blanks, tabs and line feeds taken out.
[[nodiscard]] std::string withoutBlanks(std::string_view text);

// How many characters at the start of such a text the number takes that parseLeadingNumber
// reads: 0 when the text does not begin with one, less than its size when more follows.
[[nodiscard]] std::size_t leadingNumberLength(std::string_view compact, NumberConventions conventions = {});

// Whether the number that parseLeadingNumber reads is the whole text, blanks aside; an empty
// text holds no number.
[[nodiscard]] bool isReadWhole(std::string_view text, NumberConventions conventions = {});

// The shortest text of the value rounded to 15 significant digits, with "." as the decimal point.
// A value that is not below zero starts with one blank, where a minus sign would stand.
[[nodiscard]] std::string formatNumberSigned(double value);

// As formatNumberSigned, without the reserved blank.
[[nodiscard]] std::string formatNumber(double value);
[[nodiscard]] std::string formatNumber(long long value);

}  // namespace skyanchor
