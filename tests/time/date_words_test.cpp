#include "time/date_words.hpp"

#include <gtest/gtest.h>

namespace skyanchor {
namespace {

DateWords vietnameseMonths() {
    DateWords words;
    for (int month = 1; month <= 12; ++month) words.add("Tháng " + std::to_string(month), WordMeaning::ofMonth(month));
    words.add("Th", WordMeaning::ofLiteral());
    return words;
}

TEST(DateWords, FindsTheLongestWordThatEndsItsNumber) {
    const DateWords words = vietnameseMonths();
    const auto october = words.longestAt("1 tháng 10, 2001", 2);
    ASSERT_TRUE(october.has_value());
    EXPECT_EQ(october->meaning.month, 10);
    const auto january = words.longestAt("tháng 1, 2001", 0);
    ASSERT_TRUE(january.has_value());
    EXPECT_EQ(january->meaning.month, 1);
    // "tháng 1" is no match in "tháng 19": only the shorter word is left.
    const auto inNumber = words.longestAt("tháng 19", 0);
    ASSERT_TRUE(inNumber.has_value());
    EXPECT_EQ(inNumber->length, 2u);
    EXPECT_TRUE(inNumber->meaning.literal);
    EXPECT_FALSE(words.longestAt("x", 0).has_value());
}

// Spanish "mar" is March and Tuesday: one word with both meanings. Names without letters
// (Dzongkha months are written "༩") are no words.
TEST(DateWords, MergesMeaningsAndSkipsNamesWithoutLetters) {
    DateWords words;
    words.add("mar", WordMeaning::ofMonth(3));
    words.add("MAR", WordMeaning::ofWeekday(2));
    words.add("\u0F29", WordMeaning::ofMonth(9));
    const auto mar = words.longestAt("mar", 0);
    ASSERT_TRUE(mar.has_value());
    EXPECT_EQ(mar->meaning.month, 3);
    EXPECT_TRUE(mar->meaning.weekday);
    EXPECT_FALSE(words.longestAt("9", 0).has_value());
}

}  // namespace
}  // namespace skyanchor
