#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>

namespace skyanchor {

// What the date text needs to know of the user's locale, as plain values (patterns as described
// at DatePattern, texts in UTF-8). A date text is written with the short date and long time
// patterns; the rest serves to read what people type.
struct DateLocale {
    std::string shortDatePattern;
    std::string longTimePattern;
    std::array<std::string, 12> monthNames;          // as used in dates (Russian "января")
    std::array<std::string, 12> monthAbbreviations;
    std::string amText;
    std::string pmText;
    std::string longDatePattern;
    std::string shortTimePattern;
    std::array<std::string, 12> standaloneMonthNames;  // as named alone (Russian "январь")
    std::array<std::string, 12> standaloneMonthAbbreviations;
    std::array<std::string, 7> dayNames;  // Monday first
    std::array<std::string, 7> dayAbbreviations;
    std::array<std::string, 7> standaloneDayNames{};  // Finnish "perjantai" beside "perjantaina"
    // The ICU locale id ("de_DE"): ICU adds what the locale writes beyond these patterns (the
    // words joining date and time, day periods, eras, its calendar). Empty: these values only.
    std::string icuLocale{};
};

// Whether an ICU locale id is the C/POSIX locale, whose date text is ISO 8601.
[[nodiscard]] inline bool isPosixLocale(std::string_view localeId) {
    return localeId == "en_US_POSIX" || localeId == "en-US-POSIX" || localeId == "C" || localeId == "POSIX";
}

// An era as a locale names it ("พ.ศ.", "民國", "AD"), with the calendar that counts its years.
struct CalendarEra {
    std::string calendar;  // ICU calendar type: "gregorian", "buddhist", "roc", "japanese", "persian"...
    int era = 0;           // ICU's number of the era in that calendar
    std::string name;
    // The days the era ran (Taishō: 30 July 1912 to 24 December 1926); open where it has no end,
    // or, for an era that counts its years backward (before Christ), no beginning.
    std::chrono::sys_days firstDay = std::chrono::sys_days::min();
    std::chrono::sys_days lastDay = std::chrono::sys_days::max();
    // The era's year today, or on its last day: four digits here mean that a year of two digits
    // with this era is a shortened one ("48 AH" for 1448), not the year written.
    int presentYear = 1;
};

// A calendar other than the Gregorian one that the locale uses, by default (ICU's choice) or
// commonly: its years near the present, written without an era, could be meant in either.
struct CustomaryCalendar {
    std::string calendar;        // ICU calendar type
    bool customary = false;      // the locale's default calendar
    std::string displayName;     // in English, for messages ("Buddhist Calendar")
    std::string eraName;         // the present era as the locale writes it ("พ.ศ.")
    int era = 0;
    int firstYear = 0;           // the calendar's years of 1 January 1900 .. 31 December 2099
    int lastYear = 0;
    int twoDigitBase = 0;        // fifty years before its present year: two-digit years read from there
};

// The orders in which three numbers can name a day.
enum class DateOrder { YearMonthDay, MonthDayYear, DayMonthYear };

// The hours a day-period word covers (bit h for hour h), or one exact hour ("noon").
struct DayPeriod {
    std::uint32_t hours = 0;
    int exactHour = -1;
};

}  // namespace skyanchor
