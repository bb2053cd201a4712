#include "time/icu_calendar_facts.hpp"
#include "time/icu_date_facts.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace skyanchor {
namespace {

// What ICU's facts of a locale say, one statement each: "hour word: Uhr", "era buddhist 0: พ.ศ.".
std::vector<std::string> statementsOf(const std::string& localeId) {
    const std::vector<CustomaryCalendar> others = icuOtherCalendarsOf(localeId);
    const IcuDateFacts facts = icuDateFactsOf(localeId, others);
    std::vector<std::string> said;
    const auto all = [&said](const std::string& what, const std::vector<std::string>& words) {
        for (const auto& word : words) said.push_back(what + ": " + word);
    };
    all("pattern word", facts.patternWords);
    all("hour word", facts.hourWords);
    all("time separator", facts.timeSeparators);
    all("zone", facts.zoneWords);
    all("ordinal", facts.ordinalSuffixes);
    all("first year", facts.firstYearWords);
    for (const auto& [word, half] : facts.dayHalves) said.push_back("day half " + std::to_string(half) + ": " + word);
    for (const auto& [word, hours] : facts.dayPeriods) {
        std::array<char, 16> bits{};
        std::snprintf(bits.data(), bits.size(), "%06x", hours);
        said.push_back("period " + std::string(bits.data()) + ": " + word);
    }
    for (const auto& [word, hour] : facts.exactHours) said.push_back("hour " + std::to_string(hour) + ": " + word);
    for (const auto& era : facts.eras) said.push_back("era " + era.calendar + ' ' + std::to_string(era.era) + ": " + era.name);
    for (const auto& m : facts.calendarMonths) {
        const std::string& calendar = others[static_cast<std::size_t>(m.calendar)].calendar;
        said.push_back("month " + std::to_string(m.month) + " of " + calendar + ": " + m.name);
    }
    for (const auto& other : others) {
        said.push_back(std::string(other.customary ? "customary" : "other") + " calendar: " + other.calendar + ' ' + other.eraName);
    }
    said.push_back("everyday date: " + facts.everydayDatePattern);
    if (facts.turkicCase) said.emplace_back("turkic case");
    if (facts.dayHalfBeforeHour) said.emplace_back("day half before the hour");
    if (facts.periodBeforeHour) said.emplace_back("day period before the hour");
    return said;
}

struct FactCase {
    const char* locale;
    const char* statement;
};

TEST(IcuDateFacts, WhatIcuKnowsOfALocale) {
    const FactCase cases[] = {
        {"de_DE", "pattern word: um"},          {"en_US", "pattern word: at"},
        {"ru_RU", "pattern word: года"},        {"de_DE", "hour word: Uhr"},
        {"fr_FR", "hour word: h"},              {"th_TH", "hour word: น."},
        {"th_TH", "time separator: ."},         {"en_US", "zone: Coordinated Universal Time"},
        {"en_US", "ordinal: st"},               {"fr_FR", "ordinal: er"},
        {"ja_JP", "first year: 元"},            {"en_US", "day half 2: PM"},
        {"en_CA", "day half 1: a.m."},          {"en_US", "period 1c0000: in the evening"},
        {"en_US", "hour 12: noon"},             {"fa_IR", "hour 0: نیمه‌شب"},
        {"th_TH", "era buddhist 0: พ.ศ."},      {"ja_JP", "era japanese 233: 大正"},
        {"fa_IR", "month 9 of persian: آذر"},   {"th_TH", "customary calendar: buddhist พ.ศ."},
        {"fa_IR", "other calendar: islamic ه‍.ق."}, {"en_CA", "everyday date: M/d/yy"},
        {"tr_TR", "turkic case"},               {"ko_KR", "day half before the hour"},
        {"zh_TW", "day period before the hour"},
    };
    std::map<std::string, std::vector<std::string>> facts;
    for (const FactCase& c : cases) {
        if (!facts.contains(c.locale)) facts[c.locale] = statementsOf(c.locale);
        const auto& said = facts[c.locale];
        EXPECT_NE(std::find(said.begin(), said.end(), c.statement), said.end()) << c.locale << ": " << c.statement;
    }
}

// Most locales count in no calendar but the Gregorian one, the C/POSIX locale writes ISO 8601,
// and an empty id knows nothing.
TEST(IcuDateFacts, NothingWhereThereIsNothingToKnow) {
    EXPECT_TRUE(icuOtherCalendarsOf("C").empty());
    EXPECT_TRUE(icuOtherCalendarsOf("en_US").empty());
    EXPECT_EQ(statementsOf(""), std::vector<std::string>{"everyday date: "});
}

}  // namespace
}  // namespace skyanchor
