#include "base/utf8_text.hpp"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace skyanchor {
namespace {

// The base followed by that many combining acute accents.
std::string marked(std::string text, std::size_t marks) {
    while (marks-- > 0) text.append("\u0301");
    return text;
}

// Each text, a limit, what a message quotes of it and what a field of that many code points keeps.
TEST(Utf8Text, CutsWhereACharacterEnds) {
    for (const auto& [text, limit, quoted, kept] : std::initializer_list<std::tuple<std::string, std::size_t, std::string, std::string>>{
             {"abcd", 3, "abc\u2026", "abc"}, {"a\U0001D7D9b", 2, "a\U0001D7D9\u2026", "a\U0001D7D9"},
             // A quote keeps a letter whole with four of its marks at most; a cut keeps the letter.
             {marked("abe", 1), 3, marked("abe", 1), "abe"}, {marked("e", 4).append("x"), 2, marked("e", 4).append("x"), marked("e", 1)},
             {marked("e", 9).append("x"), 12, marked("e", 4).append("\u2026"), marked("e", 9).append("x")},
             {marked("", 100000), 3, marked("", 5).append("\u2026"), marked("", 3)},
             {"\U0001F468\u200D\U0001F469\u200D\U0001F467\U0001F468", 1, "\U0001F468\u200D\U0001F469\u200D\U0001F467\u2026", "\U0001F468"},
             // Bytes that are no UTF-8 are quoted as U+FFFD.
             {"12\xFF" "3", 4, "12\uFFFD3", "12\xFF" "3"}, {"ab\xE2\x82", 3, "ab\uFFFD", "ab\xE2\x82"}}) {
        EXPECT_EQ(excerpt(text, limit), quoted) << testing::PrintToString(text);
        EXPECT_EQ(cutToCharacters(text, limit), kept) << testing::PrintToString(text);
    }
    // Where a text stops being UTF-8, and how many code points it holds.
    for (const auto& [text, valid, characters] :
         {std::tuple<std::string, std::size_t, std::size_t>{"a\u00E9\U0001D7D9", 7, 3}, {"12\xFF", 2, 3}, {"\u00E9\xC3", 2, 2},
          {"\xC0\x80", 0, 2}, {"\xED\xA0\x80", 0, 3}, {"\xF4\x90\x80\x80", 0, 4}}) {
        EXPECT_EQ(validUtf8Length(text), valid) << testing::PrintToString(text);
        EXPECT_EQ(characterCount(text), characters) << testing::PrintToString(text);
    }
}

}  // namespace
}  // namespace skyanchor
