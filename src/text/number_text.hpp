#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace skyanchor {

// Reads the number at the start of a text, as people type it into a field: blanks, tabs and
// line feeds anywhere are ignored, "." is the only decimal point, and a text that does not begin
// with a number reads as 0. "&H" and "&O" introduce hexadecimal and octal whole numbers.
// Throws Failure(Overflow) when the number lies beyond the double range.
[[nodiscard]] double parseLeadingNumber(std::string_view text);

// The text as parseLeadingNumber sees it: blanks, tabs and line feeds taken out.
[[nodiscard]] std::string withoutBlanks(std::string_view text);

// How many characters at the start of such a text the number takes that parseLeadingNumber
// reads: 0 when the text does not begin with one, less than its size when more follows.
[[nodiscard]] std::size_t leadingNumberLength(std::string_view compact);

// The shortest text of the value rounded to 15 significant digits, with "." as the decimal point.
// A value that is not below zero starts with one blank, where a minus sign would stand.
[[nodiscard]] std::string formatNumberSigned(double value);

// As formatNumberSigned, without the reserved blank.
[[nodiscard]] std::string formatNumber(double value);
[[nodiscard]] std::string formatNumber(long long value);

}  // namespace skyanchor
