#include "text/number_text.hpp"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <limits>

namespace skyanchor {
namespace {

constexpr int kSignificantDigits = 15;

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t skipDigits(std::string_view text, std::size_t pos) {
    while (pos < text.size() && isDigit(text[pos])) ++pos;
    return pos;
}

// "&H" and "&O" (either case) start a hexadecimal or an octal whole number; 0 for any other text.
int radixOf(std::string_view s) {
    if (s.size() < 2 || s[0] != '&') return 0;
    const char radix = static_cast<char>(s[1] | 0x20);
    return radix == 'h' ? 16 : radix == 'o' ? 8 : 0;
}

// A digit's value in bases up to 16; 99 for anything else.
int digitValue(char c) {
    if (isDigit(c)) return c - '0';
    const char lower = static_cast<char>(c | 0x20);
    return lower >= 'a' && lower <= 'f' ? lower - 'a' + 10 : 99;
}

// Where the parts of a decimal number at the start of a text without blanks stand; end is 0
// when the text does not begin with one.
struct DecimalSpan {
    std::size_t mantissaStart = 0;
    std::size_t mantissaEnd = 0;
    std::size_t end = 0;
    std::string_view exponentDigits;
    bool negativeExponent = false;
    std::size_t decimalComma = std::string_view::npos;  // where a comma serves as the decimal point
};

DecimalSpan scanDecimal(std::string_view s, NumberConventions conventions) {
    DecimalSpan span;
    std::size_t pos = (!s.empty() && (s[0] == '+' || s[0] == '-')) ? 1 : 0;
    span.mantissaStart = pos;
    pos = skipDigits(s, pos);
    bool hasDigits = pos > span.mantissaStart;
    // A comma is a decimal point only between digits: "5," and ",5" are no decimal numbers.
    if (conventions.decimalComma && hasDigits && pos + 1 < s.size() && s[pos] == ',' && isDigit(s[pos + 1])) {
        span.decimalComma = pos;
        pos = skipDigits(s, pos + 1);
    } else if (pos < s.size() && s[pos] == '.') {
        const std::size_t fractionStart = pos + 1;
        pos = skipDigits(s, fractionStart);
        hasDigits = hasDigits || pos > fractionStart;
    }
    if (!hasDigits) return {};
    span.mantissaEnd = pos;

    // An E only belongs to the number when digits follow it: "12E" and "12E+" read as 12.
    if (pos < s.size() && (s[pos] == 'E' || s[pos] == 'e')) {
        std::size_t digitsStart = pos + 1;
        if (digitsStart < s.size() && (s[digitsStart] == '+' || s[digitsStart] == '-')) {
            span.negativeExponent = s[digitsStart] == '-';
            ++digitsStart;
        }
        const std::size_t digitsEnd = skipDigits(s, digitsStart);
        if (digitsEnd > digitsStart) {
            span.exponentDigits = s.substr(digitsStart, digitsEnd - digitsStart);
            pos = digitsEnd;
        }
    }
    span.end = pos;
    return span;
}

// "&H1F" / "&O17": an unsigned whole number of up to 64 bits; more fails with overflow.
Result<double> parseRadixNumber(std::string_view digits, int base) {
    std::uint64_t value = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value, base);
    if (ec == std::errc::result_out_of_range) return Failure(FailureNumber::Overflow);
    if (end == digits.data()) return 0.0;
    return static_cast<double>(value);
}

// from_chars reports both overflow and underflow as out of range. The decimal magnitude of the
// written number tells them apart: an underflowing number reads as zero, as it always has.
bool exceedsDoubleRange(std::string_view mantissa, std::string_view exponentDigits, bool negativeExponent) {
    long long exponent = 0;
    for (const char c : exponentDigits) exponent = std::min(exponent * 10 + (c - '0'), 1'000'000'000LL);
    if (negativeExponent) exponent = -exponent;

    const auto point = mantissa.find('.');
    const auto integerPart = mantissa.substr(0, point);
    const auto firstSignificant = integerPart.find_first_not_of('0');
    if (firstSignificant != std::string_view::npos) {
        return exponent + static_cast<long long>(integerPart.size() - firstSignificant) > 0;
    }
    // Below one: each zero after the point lowers the magnitude by a power of ten.
    const auto fraction = point == std::string_view::npos ? std::string_view{} : mantissa.substr(point + 1);
    const auto leadingZeros = std::min(fraction.find_first_not_of('0'), fraction.size());
    return exponent - static_cast<long long>(leadingZeros) > 0;
}

std::string formatDigits(double value) {
    if (std::isnan(value)) return "NaN";
    if (std::isinf(value)) return value < 0 ? "-Infinity" : "Infinity";
    if (value == 0.0) return "0";  // negative zero too: it is not below zero
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::general, kSignificantDigits);
    std::string text(buffer.data(), result.ptr);
    std::replace(text.begin(), text.end(), 'e', 'E');
    return text;
}

}  // namespace

Result<double> parseLeadingNumber(std::string_view text, NumberConventions conventions) {
    std::string compact = withoutBlanks(text);
    const std::string_view s = compact;
    if (const int base = radixOf(s); base != 0) return parseRadixNumber(s.substr(2), base);

    const DecimalSpan span = scanDecimal(s, conventions);
    if (span.end == 0) return 0.0;
    if (span.decimalComma != std::string_view::npos) compact[span.decimalComma] = '.';
    const bool negative = s[0] == '-';
    const std::size_t numberStart = (s[0] == '+') ? 1 : 0;
    double value = 0.0;
    const auto [end, ec] = std::from_chars(s.data() + numberStart, s.data() + span.end, value);
    if (ec == std::errc::result_out_of_range) {
        const auto mantissa = s.substr(span.mantissaStart, span.mantissaEnd - span.mantissaStart);
        if (exceedsDoubleRange(mantissa, span.exponentDigits, span.negativeExponent)) return Failure(FailureNumber::Overflow);
        return negative ? -0.0 : 0.0;
    }
    return value;
}

std::string withoutBlanks(std::string_view text) {
    std::string compact;
    compact.reserve(text.size());
    std::copy_if(text.begin(), text.end(), std::back_inserter(compact),
                 [](char c) { return c != ' ' && c != '\t' && c != '\n'; });
    return compact;
}

std::size_t leadingNumberLength(std::string_view compact, NumberConventions conventions) {
    if (const int base = radixOf(compact); base != 0) {
        const auto digits = compact.substr(2);
        const auto digitsEnd = std::find_if(digits.begin(), digits.end(), [base](char c) { return digitValue(c) >= base; });
        return digitsEnd == digits.begin() ? 0 : 2 + static_cast<std::size_t>(digitsEnd - digits.begin());
    }
    return scanDecimal(compact, conventions).end;
}

bool isReadWhole(std::string_view text, NumberConventions conventions) {
    const std::string compact = withoutBlanks(text);
    return !compact.empty() && leadingNumberLength(compact, conventions) == compact.size();
}

std::string formatNumberSigned(double value) {
    std::string digits = formatDigits(value);
    return value < 0 ? digits : " " + digits;
}

std::string formatNumber(double value) { return formatDigits(value); }

std::string formatNumber(long long value) {
    std::array<char, std::numeric_limits<long long>::digits10 + 3> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return {buffer.data(), result.ptr};
}

}  // namespace skyanchor
