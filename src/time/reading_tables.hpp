#pragma once

#include "time/date_conventions.hpp"
#include "time/date_pattern.hpp"
#include "time/date_words.hpp"
#include "time/icu_date_facts.hpp"

#include <string>
#include <vector>

namespace skyanchor {

// What reading a date text needs: the words it may hold and what they mean, the separators,
// the orders of numbers, the day periods and eras.
struct ReadingTables {
    DateWords words;
    std::vector<std::string> monthNamesForBeginnings;  // reading form: each month's name, then its standalone name
    std::vector<std::string> timeSeparators{":"};
    std::vector<std::string> dateSeparators;
    std::vector<std::string> ownDateSeparators;  // of the short and the everyday date pattern alone
    bool yearBeforeDayAroundMonthWord = false;
    std::vector<DateOrder> orders;
    std::vector<DayPeriod> periods;  // a word's period is its number here, counted from 1
    std::vector<CalendarEra> eras;   // likewise
    std::string gregorianEra;
    std::vector<std::string> hourWords;  // compact form
    bool dayHalfBeforeHour = false;
    bool periodBeforeHour = false;
};

// The tables of a locale whose short date and long time patterns are compiled already, with
// what ICU knows of it.
[[nodiscard]] ReadingTables readingTablesOf(const DateLocale& locale, const std::vector<DateToken>& dateTokens,
                                            const std::vector<DateToken>& timeTokens, const IcuDateFacts& facts);

}  // namespace skyanchor
