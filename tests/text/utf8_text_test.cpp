#include "text/utf8_text.hpp"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace skyanchor {
namespace {

// The base followed by that many combining acute accents.
std::string marked(const char* base, std::size_t marks) {
    std::string text = base;
    for (std::size_t i = 0; i < marks; ++i) text.append("\u0301");
    return text;
}

const std::string kFamily = "\U0001F468\u200D\U0001F469\u200D\U0001F467";

struct CutCase {
    std::string text;
    std::size_t limit;
    std::string excerpt;  // quoted with at most `limit` characters as seen
    std::string cut;      // kept in a field of `limit` characters (code points)
};

void PrintTo(const CutCase& c, std::ostream* out) { *out << testing::PrintToString(c.text) << " to " << c.limit; }

class Utf8Cuts : public testing::TestWithParam<CutCase> {};

TEST_P(Utf8Cuts, EndWhereACharacterEnds) {
    EXPECT_EQ(excerpt(GetParam().text, GetParam().limit), GetParam().excerpt);
    EXPECT_EQ(cutToCharacters(GetParam().text, GetParam().limit), GetParam().cut);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Utf8Cuts,
    testing::Values(CutCase{"abc", 3, "abc", "abc"}, CutCase{"abcd", 3, "abc\u2026", "abc"},
                    CutCase{"\u00E9\u00E9\u00E9\u00E9", 3, "\u00E9\u00E9\u00E9\u2026", "\u00E9\u00E9\u00E9"},
                    CutCase{"a\U0001D7D9b", 2, "a\U0001D7D9\u2026", "a\U0001D7D9"},
                    // A quote keeps a letter whole with four of its marks at most; a cut keeps the letter.
                    CutCase{marked("abe", 1), 3, marked("abe", 1), "abe"}, CutCase{marked("e", 4).append("x"), 2, marked("e", 4).append("x"), marked("e", 1)},
                    CutCase{marked("e", 9).append("x"), 12, marked("e", 4).append("\u2026"), marked("e", 9).append("x")},
                    CutCase{marked("", 100000), 3, marked("", 5).append("\u2026"), marked("", 3)},
                    CutCase{kFamily + kFamily, 6, kFamily + kFamily, kFamily + "\U0001F468"},
                    CutCase{kFamily + kFamily, 1, std::string(kFamily).append("\u2026"), "\U0001F468"},
                    // Bytes that are no UTF-8 are quoted as U+FFFD.
                    CutCase{"12\xFF" "3", 4, "12\uFFFD3", "12\xFF" "3"}, CutCase{"ab\xE2\x82", 3, "ab\uFFFD", "ab\xE2\x82"}));

TEST(Utf8Excerpt, QuotesFortyCharacters) {
    EXPECT_EQ(excerpt(std::string(41, 'x')), std::string(40, 'x') + "\u2026");
    EXPECT_EQ(excerpt(std::string(40, 'x')), std::string(40, 'x'));
}

TEST(Utf8Length, StopsAtTheFirstByteThatIsNoUtf8) {
    for (const auto& [text, valid, characters] :
         {std::tuple<std::string, std::size_t, std::size_t>{"a\u00E9\U0001D7D9", 7, 3}, {"12\xFF", 2, 3}, {"\u00E9\xC3", 2, 2},
          {"\xC0\x80", 0, 2}, {"\xED\xA0\x80", 0, 3}, {"\xF4\x90\x80\x80", 0, 4}}) {
        EXPECT_EQ(validUtf8Length(text), valid) << testing::PrintToString(text);
        EXPECT_EQ(characterCount(text), characters) << testing::PrintToString(text);
    }
}

}  // namespace
}  // namespace skyanchor
