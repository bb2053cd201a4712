#include "test_codecs.hpp"
#include "time/date_text_codec.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace skyanchor {
namespace {

const DateTextCodec& canadaAsQtWritesIt() { return test::icuCodecOf("en_CA/Qt"); }

struct CodecCase {
    const DateTextCodec& (*codec)();
    const char* what;
    bool (*holds)(const DateTextCodec&);
};

using Order = DateOrder;

// What a compiled locale knows of reading: its separators, hour words, orders of numbers, the
// places of day halves and periods, months by their beginnings, the era that tells a Gregorian
// year from a Buddhist one.
TEST(DateTextCodec, ReadingTablesOfALocale) {
    constexpr auto us = test::codecOf<test::kUnitedStates>;
    constexpr auto finland = test::codecOf<test::kFinland>;
    constexpr auto thailand = test::codecOf<test::kThailand>;
    const CodecCase cases[] = {
        {finland, "a Finnish time alone could read as a date", [](const auto& c) { return c.writesDateWithEveryTime(); }},
        {us, "an American one could not", [](const auto& c) { return !c.writesDateWithEveryTime(); }},
        {finland, "'.' parts hours and days", [](const auto& c) { return c.isTimeSeparator(" . ") && c.isDateSeparator("."); }},
        {us, "'/' parts no hours", [](const auto& c) { return !c.isTimeSeparator("/") && c.isDateSeparator("/"); }},
        {test::codecOf<test::kJapan>, "'時' parts hours", [](const auto& c) { return c.isTimeSeparator("時"); }},
        {test::codecOf<test::kGermany>, "'Uhr' follows an hour", [](const auto& c) { return c.isHourWord(" uhr"); }},
        {us, "month, day, year", [](const auto& c) { return c.orders() == std::vector{Order::MonthDayYear}; }},
        {canadaAsQtWritesIt, "Qt's order, then ICU's",
         [](const auto& c) { return c.orders() == std::vector{Order::YearMonthDay, Order::MonthDayYear}; }},
        {test::codecOf<test::kPlainC>, "every order in C",
         [](const auto& c) { return c.orders() == std::vector{Order::YearMonthDay, Order::DayMonthYear, Order::MonthDayYear}; }},
        {test::codecOf<test::kKorea>, "오후 before the hour", [](const auto& c) { return c.dayHalfBeforeHour(); }},
        {test::codecOf<test::kTaiwan>, "晚上 before the hour", [](const auto& c) { return c.periodBeforeHour(); }},
        {us, "'decem' begins December", [](const auto& c) { return c.monthOfBeginning("decem") == 12; }},
        {us, "'ju' begins no one month", [](const auto& c) { return c.monthOfBeginning("ju") == 0; }},
        {thailand, "2569 could be Buddhist",
         [](const auto& c) { return c.gregorianEraFor(2569) != nullptr && *c.gregorianEraFor(2569) == "ค.ศ."; }},
        {thailand, "2026 could not", [](const auto& c) { return c.gregorianEraFor(2026) == nullptr; }},
    };
    for (const CodecCase& c : cases) EXPECT_TRUE(c.holds(c.codec())) << c.what;
}

}  // namespace
}  // namespace skyanchor
