#include "time/calendar_conversion.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>

namespace skyanchor {
namespace {

using namespace std::chrono;

constexpr year_month_day kDec8{year{2026} / 12 / 8};

struct ConversionCase {
    const char* calendar;
    int era;
    int year;
    int month;
    int day;
    std::optional<year_month_day> gregorian;
};

// 8 December 2026 in the calendars the locales count in, and days that no calendar has: none is
// moved to the next valid one. Gregorian days before 1582 are Gregorian too.
TEST(CalendarConversion, GregorianDateOfADayInAnotherCalendar) {
    const ConversionCase cases[] = {
        {"persian", 0, 1405, 9, 17, kDec8},          {"buddhist", 0, 2569, 12, 8, kDec8},
        {"roc", 1, 115, 12, 8, kDec8},               {"japanese", 236, 8, 12, 8, kDec8},
        {"islamic-umalqura", 0, 1448, 6, 28, kDec8}, {"indian", 0, 1948, 9, 17, kDec8},
        {"gregorian", 1, 1582, 10, 10, year{1582} / 10 / 10},
        {"persian", 0, 1403, 12, 30, year{2025} / 3 / 20},
        {"persian", 0, 1405, 12, 30, std::nullopt},  // not a leap year
        {"persian", 0, 1405, 13, 1, std::nullopt},   {"gregorian", 1, 2026, 2, 29, std::nullopt},
        {"gregorian", 0, 100, 1, 1, std::nullopt},   // before Christ
    };
    for (const ConversionCase& c : cases) {
        EXPECT_EQ(gregorianDateOf(c.calendar, c.era, c.year, c.month, c.day), c.gregorian)
            << c.calendar << ' ' << c.year << '/' << c.month << '/' << c.day;
    }
}

TEST(CalendarConversion, CalendarYearOfAGregorianDay) {
    const std::pair<const char*, int> years[] = {{"persian", 1405}, {"buddhist", 2569}, {"roc", 115},
                                                 {"japanese", 8},   {"gregorian", 2026}, {"islamic-umalqura", 1448}};
    for (const auto& [calendar, expected] : years) EXPECT_EQ(calendarYearOf(calendar, kDec8), expected) << calendar;
}

struct SpanCase {
    const char* calendar;
    int era;
    std::optional<year_month_day> first;  // none: the era has no first day (it counts backward)
    std::optional<year_month_day> last;   // none: it runs on
};

// Each era's days: a Japanese era from the day its emperor's reign began, the eras before Christ
// and before the Republic without a beginning.
TEST(CalendarConversion, EraSpans) {
    const SpanCase cases[] = {
        {"japanese", 232, year{1868} / 9 / 8, year{1912} / 7 / 29}, {"japanese", 233, year{1912} / 7 / 30, year{1926} / 12 / 24},
        {"japanese", 236, year{2019} / 5 / 1, std::nullopt},        {"gregorian", 0, std::nullopt, year{0} / 12 / 31},
        {"roc", 0, std::nullopt, year{1911} / 12 / 31},             {"roc", 1, year{1912} / 1 / 1, std::nullopt},
    };
    for (const SpanCase& c : cases) {
        const auto calendar = calendarOf(std::string_view(c.calendar));
        ASSERT_NE(calendar, nullptr) << c.calendar;
        const auto eras = eraSpansOf(c.calendar, *calendar);
        const auto era = std::find_if(eras.begin(), eras.end(), [&c](const CalendarEra& e) { return e.era == c.era; });
        ASSERT_NE(era, eras.end()) << c.calendar << ' ' << c.era;
        EXPECT_EQ(era->firstDay, c.first ? sys_days{*c.first} : sys_days::min()) << c.calendar << ' ' << c.era;
        EXPECT_EQ(era->lastDay, c.last ? sys_days{*c.last} : sys_days::max()) << c.calendar << ' ' << c.era;
    }
}

}  // namespace
}  // namespace skyanchor
