#include "base/failure.hpp"
#include "text/number_text.hpp"

#include <algorithm>
#include <array>
#include <bit>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace {

// What the C library reads for the same text: nullopt where it says the number is beyond the range.
using Reference = std::optional<double>;

std::string withoutBlanks(std::string_view text) {
    std::string compact;
    for (const char c : text)
        if (c != ' ' && c != '\t' && c != '\n') compact += c;
    return compact;
}

// "&H"/"&O": strtoull of the run of digits of that base right after the prefix.
Reference radixReference(std::string_view rest, int base) {
    const std::string_view digitsOfBase = base == 16 ? "0123456789abcdefABCDEF" : "01234567";
    const std::string digits(rest.substr(0, std::min(rest.find_first_not_of(digitsOfBase), rest.size())));
    errno = 0;
    const unsigned long long value = std::strtoull(digits.c_str(), nullptr, base);
    if (errno == ERANGE) return std::nullopt;
    return static_cast<double>(value);
}

// strtod, in the C locale, reads sign, digits, one "." and an exponent only when digits follow
// the E: the same number the parser takes, once the text is cut before the first character that
// cannot belong to a decimal number (so strtod's hexadecimal, "inf" and "nan" forms never apply).
Reference decimalReference(const std::string& compact) {
    const std::string number = compact.substr(0, compact.find_first_not_of("0123456789+-.eE"));
    errno = 0;
    const double value = std::strtod(number.c_str(), nullptr);
    // Underflow also sets ERANGE, with a result of zero or a subnormal: that is a value, not a failure.
    if (errno == ERANGE && std::isinf(value)) return std::nullopt;
    return value;
}

Reference reference(std::string_view text) {
    const std::string compact = withoutBlanks(text);
    if (compact.size() >= 2 && compact[0] == '&') {
        if (compact[1] == 'H' || compact[1] == 'h') return radixReference(std::string_view(compact).substr(2), 16);
        if (compact[1] == 'O' || compact[1] == 'o') return radixReference(std::string_view(compact).substr(2), 8);
    }
    return decimalReference(compact);
}

Reference parsed(std::string_view text) {
    const skyanchor::Result<double> number = skyanchor::parseLeadingNumber(text);
    if (number) return *number;
    if (number.failure().kind() != skyanchor::FailureNumber::Overflow) std::abort();
    return std::nullopt;
}

bool sameBits(const Reference& a, const Reference& b) {
    if (a.has_value() != b.has_value()) return false;
    return !a || std::bit_cast<std::uint64_t>(*a) == std::bit_cast<std::uint64_t>(*b);
}

// The 15-digit rounding of a value; nullopt when that rounding lies beyond the double range
// (values within a 15-digit step of the largest double).
Reference roundedToFifteenDigits(double value) {
    std::array<char, 40> buffer{};
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                   std::chars_format::scientific, 14).ptr;
    double rounded = 0.0;
    if (std::from_chars(buffer.data(), end, rounded).ec != std::errc{}) return std::nullopt;
    return rounded;
}

void show(const char* what, const Reference& number) {
    if (number) std::fprintf(stderr, "%s: %a (%.17g)\n", what, *number, *number);
    else std::fprintf(stderr, "%s: beyond the range\n", what);
}

[[noreturn]] void disagree(const char* check, std::string_view text, const Reference& got, const Reference& expected) {
    std::fprintf(stderr, "%s disagree for text \"%.*s\"\n", check, static_cast<int>(text.size()), text.data());
    show("  parser", got);
    show("  expected", expected);
    std::abort();
}

// Compares values, not bits: a negative zero writes as "0" and reads back as a positive one.
bool sameValue(const Reference& a, const Reference& b) { return a.has_value() == b.has_value() && (!a || *a == *b); }

}  // namespace

// Any text reads as the number strtod reads from it, bit for bit, or both find it beyond the
// range; any finite double formats and reads back as its 15-digit rounding.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (const Reference got = parsed(text), expected = reference(text); !sameBits(got, expected))
        disagree("parseLeadingNumber and strtod", text, got, expected);

    if (size >= sizeof(double)) {
        double value = 0.0;
        std::memcpy(&value, data, sizeof value);
        if (std::isfinite(value)) {
            const Reference expected = roundedToFifteenDigits(value);
            for (const std::string& written : {skyanchor::formatNumber(value), skyanchor::formatNumberSigned(value)})
                if (const Reference back = parsed(written); !sameValue(back, expected))
                    disagree("formatNumber and its 15-digit rounding", written, back, expected);
        }
    }
    return 0;
}
