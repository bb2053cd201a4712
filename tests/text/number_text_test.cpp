#include "text/number_text.hpp"

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <iomanip>
#include <limits>
#include <random>
#include <string>

namespace skyanchor {
namespace {

struct ParseCase {
    std::string text;
    double expected;
};

void PrintTo(const ParseCase& c, std::ostream* os) {
    *os << testing::PrintToString(c.text) << " reads " << std::setprecision(15) << c.expected;
}

class ParseLeadingNumber : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseLeadingNumber, ReadsTheLeadingNumber) {
    EXPECT_EQ(parseLeadingNumber(GetParam().text).value(), GetParam().expected) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseLeadingNumber,
    testing::Values(
        // No number at the start reads as zero.
        ParseCase{"", 0.0}, ParseCase{"-", 0.0}, ParseCase{"+", 0.0}, ParseCase{"abc", 0.0}, ParseCase{".", 0.0},
        ParseCase{"$5", 0.0}, ParseCase{"+-5", 0.0}, ParseCase{"&X12", 0.0},
        // Ordinary numbers and what ends them.
        ParseCase{"86164.09", 86164.09}, ParseCase{"5.973698968E+24", 5.973698968e24}, ParseCase{"12abc", 12.0},
        ParseCase{"1,5", 1.0}, ParseCase{"1.2.3", 1.2}, ParseCase{".5", 0.5}, ParseCase{"5.", 5.0},
        ParseCase{"+7", 7.0}, ParseCase{"-20", -20.0}, ParseCase{"0.1", 0.1},
        // Blanks, tabs and line feeds are removed wherever they stand.
        ParseCase{"1 000", 1000.0}, ParseCase{" \t-3.5\n", -3.5}, ParseCase{"- 5", -5.0}, ParseCase{"1 E 3", 1000.0},
        // Exponents: E in either case, only with digits after it; no other letter starts one.
        ParseCase{"1e3", 1000.0}, ParseCase{"1E-3", 0.001}, ParseCase{"2.5E+2x", 250.0}, ParseCase{"12E", 12.0},
        ParseCase{"12E+", 12.0}, ParseCase{"12Ex5", 12.0}, ParseCase{"1D3", 1.0}, ParseCase{"0E99999", 0.0},
        ParseCase{"1E-400", 0.0}, ParseCase{"0.0000000000000000000001E-400", 0.0},
        // Hexadecimal and octal whole numbers, unsigned, up to 64 bits.
        ParseCase{"&H1F", 31.0}, ParseCase{"&hff", 255.0}, ParseCase{"&O17", 15.0}, ParseCase{"&o8", 0.0},
        ParseCase{"&H", 0.0}, ParseCase{"&HFFFF", 65535.0}, ParseCase{"&H 1 0", 16.0},
        ParseCase{"&HFFFFFFFFFFFFFFFF", 18446744073709551615.0}));

struct LengthCase {
    std::string text;
    std::size_t length;
};

void PrintTo(const LengthCase& c, std::ostream* os) { *os << testing::PrintToString(c.text) << " takes " << c.length; }

class LeadingNumberLength : public testing::TestWithParam<LengthCase> {};

// The number takes exactly the characters that parseLeadingNumber reads: its own text, without
// blanks, reads as the same value as the whole.
TEST_P(LeadingNumberLength, CoversWhatIsRead) {
    const std::string compact = withoutBlanks(GetParam().text);
    const std::size_t length = leadingNumberLength(compact);
    EXPECT_EQ(length, GetParam().length);
    EXPECT_EQ(parseLeadingNumber(compact.substr(0, length)).value(), parseLeadingNumber(GetParam().text).value());
}

INSTANTIATE_TEST_SUITE_P(
    Texts, LeadingNumberLength,
    testing::Values(LengthCase{"", 0}, LengthCase{"abc", 0}, LengthCase{"-", 0}, LengthCase{".", 0}, LengthCase{"+-5", 0},
                    LengthCase{"\xEF\xBC\x91\xEF\xBC\x92", 0}, LengthCase{"\xD9\xA1\xD9\xA2", 0}, LengthCase{"12abc", 2},
                    LengthCase{"51544,5", 5}, LengthCase{" 51544.50abc", 8}, LengthCase{"1 000", 4}, LengthCase{"1E", 1},
                    LengthCase{"1E+", 1}, LengthCase{"1E+3", 4}, LengthCase{"-0.5", 4}, LengthCase{"5.", 2},
                    LengthCase{"1.2.3", 3}, LengthCase{"&H1Fz", 4}, LengthCase{"&hff", 4}, LengthCase{"&O78", 3},
                    LengthCase{"&H", 0}, LengthCase{"&HG", 0}, LengthCase{"&X12", 0}));

struct CommaCase {
    std::string text;
    double value;
    std::size_t length;
};

void PrintTo(const CommaCase& c, std::ostream* os) { *os << testing::PrintToString(c.text) << " takes " << c.length; }

class DecimalComma : public testing::TestWithParam<CommaCase> {};

// Where the locale writes a decimal comma, a comma between digits is the decimal point and "." stays one.
TEST_P(DecimalComma, IsTheDecimalPointBetweenDigits) {
    constexpr NumberConventions comma{.decimalComma = true};
    const auto& [text, value, length] = GetParam();
    const std::string compact = withoutBlanks(text);
    EXPECT_EQ(parseLeadingNumber(text, comma).value(), value);
    EXPECT_EQ(leadingNumberLength(compact, comma), length);
    EXPECT_EQ(isReadWhole(text, comma), length == compact.size() && length != 0);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, DecimalComma,
    testing::Values(CommaCase{"51544,5", 51544.5, 7}, CommaCase{"-0,25", -0.25, 5}, CommaCase{"1,5E3", 1500.0, 5},
                    CommaCase{"51544.5", 51544.5, 7}, CommaCase{"1 000,5", 1000.5, 6}, CommaCase{"1,5,3", 1.5, 3},
                    CommaCase{"1,5.3", 1.5, 3}, CommaCase{"1.5,3", 1.5, 3}, CommaCase{",5", 0.0, 0},
                    CommaCase{"5,", 5.0, 1}, CommaCase{"5,x", 5.0, 1}, CommaCase{"&H1,5", 1.0, 3},
                    CommaCase{"", 0.0, 0}));

TEST(ParseLeadingNumber, UnderflowKeepsTheSignOfZero) {
    EXPECT_TRUE(std::signbit(parseLeadingNumber("-1E-400").value()));
}

// Zeros after the point lower the magnitude as much as the exponent raises it.
TEST(ParseLeadingNumber, WeighsLeadingZerosOfTheFractionAgainstTheExponent) {
    const std::string fraction = "0." + std::string(400, '0') + "1E";
    EXPECT_EQ(parseLeadingNumber(fraction + "5").value(), 0.0);
    EXPECT_EQ(parseLeadingNumber(fraction + "700").value(), 1e299);
    EXPECT_FALSE(parseLeadingNumber(fraction + "710").ok());
}

class ParseOverflow : public testing::TestWithParam<std::string> {};

TEST_P(ParseOverflow, FailsWithOverflow) {
    const Result<double> number = parseLeadingNumber(GetParam());
    ASSERT_FALSE(number.ok()) << "no failure for " << GetParam();
    EXPECT_EQ(number.failure().number(), 6);
    EXPECT_EQ(number.failure().description(), "Overflow");
}

INSTANTIATE_TEST_SUITE_P(BeyondTheDoubleRange, ParseOverflow,
                         testing::Values("1E+400", "-1E309", "1.79769313486232E+308", "1E99999999999999999999", "1.8E308abc",
                                         std::string(400, '9'), "&H10000000000000000",
                                         "&O7777777777777777777777777"));

struct FormatCase {
    double value;
    std::string signedText;
};

void PrintTo(const FormatCase& c, std::ostream* os) {
    *os << std::setprecision(17) << c.value << " writes " << testing::PrintToString(c.signedText);
}

class FormatNumber : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatNumber, WritesFifteenSignificantDigits) {
    const auto& [value, signedText] = GetParam();
    EXPECT_EQ(formatNumberSigned(value), signedText);
    const std::string plain = signedText.front() == ' ' ? signedText.substr(1) : signedText;
    EXPECT_EQ(formatNumber(value), plain);
}

constexpr double kInfinity = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Values, FormatNumber,
    testing::Values(FormatCase{0.0, " 0"}, FormatCase{-0.0, " 0"}, FormatCase{3.0, " 3"}, FormatCase{-20.0, "-20"},
                    FormatCase{1000.5, " 1000.5"}, FormatCase{0.5, " 0.5"}, FormatCase{-0.25, "-0.25"},
                    FormatCase{1.0 / 3.0, " 0.333333333333333"}, FormatCase{2.0 / 3.0, " 0.666666666666667"},
                    FormatCase{42162926.62095064, " 42162926.6209506"},
                    FormatCase{123456789012345.0, " 123456789012345"}, FormatCase{999999999999999.4, " 999999999999999"},
                    FormatCase{1e15, " 1E+15"}, FormatCase{-1234567890123456789.0, "-1.23456789012346E+18"},
                    FormatCase{5.973698968e24, " 5.973698968E+24"}, FormatCase{0.0001, " 0.0001"},
                    FormatCase{0.00001, " 1E-05"}, FormatCase{6.123233995736766e-17, " 6.12323399573677E-17"},
                    FormatCase{std::numeric_limits<double>::max(), " 1.79769313486232E+308"},
                    FormatCase{std::numeric_limits<double>::denorm_min(), " 4.94065645841247E-324"},
                    FormatCase{kInfinity, " Infinity"}, FormatCase{-kInfinity, "-Infinity"},
                    FormatCase{std::numeric_limits<double>::quiet_NaN(), " NaN"}));

TEST(FormatNumber, WritesIntegersAsTheirDigits) {
    EXPECT_EQ(formatNumber(180LL), "180");
    EXPECT_EQ(formatNumber(-320000LL), "-320000");
}

// The 15-digit rounding of a value, as an independent reference: scientific form with 14 decimals.
double roundedToFifteenDigits(double value) {
    std::array<char, 40> buffer{};
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                   std::chars_format::scientific, 14).ptr;
    double rounded = 0.0;
    std::from_chars(buffer.data(), end, rounded);
    return rounded;
}

TEST(NumberTextRoundTrip, ReadsBackTheFifteenDigitRounding) {
    std::mt19937_64 random(20261208);
    for (int n = 0; n < 200000; ++n) {
        const double value = std::bit_cast<double>(random());
        if (!std::isfinite(value)) continue;
        const std::string text = formatNumber(value);
        const double back = parseLeadingNumber(text).value();
        ASSERT_EQ(back, roundedToFifteenDigits(value)) << text;
        ASSERT_EQ(parseLeadingNumber(formatNumberSigned(value)).value(), back) << text;
        ASSERT_EQ(formatNumber(back), text);
    }
}

}  // namespace
}  // namespace skyanchor
