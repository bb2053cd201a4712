#include "icu_date_locale.hpp"
#include "time/date_serial.hpp"
#include "time/date_text.hpp"

#include <gtest/gtest.h>

#include <unicode/datefmt.h>
#include <unicode/gregocal.h>
#include <unicode/smpdtfmt.h>

#include <array>
#include <cmath>
#include <iostream>
#include <memory>
#include <string>

namespace skyanchor {
namespace {

using namespace std::chrono;
using Style = icu::DateFormat::EStyle;

constexpr std::array<Style, 4> kStyles{Style::kShort, Style::kMedium, Style::kLong, Style::kFull};
constexpr std::array<const char*, 4> kStyleNames{"SHORT", "MEDIUM", "LONG", "FULL"};

struct Instant {
    sys_seconds time;
    bool far;  // outside 1930..2029, where a two-digit year names another century
};

// A spread over 1930..2029 (days above and below 12, every hour) and a few far years.
std::vector<Instant> instants() {
    std::vector<Instant> list;
    for (int k = 0; k < 24; ++k) {
        const year_month_day day{year{1930 + k * 37 % 100}, month{static_cast<unsigned>(1 + k * 5 % 12)},
                                 std::chrono::day{static_cast<unsigned>(1 + k * 11 % 28)}};
        list.push_back({sys_days{day} + hours{k * 7 % 24} + minutes{k * 13 % 60} + seconds{k * 29 % 60}, false});
    }
    for (const auto far : {year{100} / 1 / 1, year{1000} / 6 / 15, year{1582} / 10 / 10, year{1899} / 12 / 31,
                           year{9999} / 12 / 31}) {
        list.push_back({sys_days{far} + hours{13} + minutes{4} + seconds{5}, true});
    }
    return list;
}

std::string patternOf(const icu::DateFormat& format) {
    icu::UnicodeString pattern;
    dynamic_cast<const icu::SimpleDateFormat&>(format).toPattern(pattern);
    std::string text;
    pattern.toUTF8String(text);
    return text;
}

// What a text in this pattern says of the instant: the day, and the time to its last field
// ("s": all of it).
double shownSerial(sys_seconds time, std::string pattern) {
    for (std::size_t quote = pattern.find('\''); quote != std::string::npos; quote = pattern.find('\'')) {
        pattern.erase(quote, pattern.find('\'', quote + 1) - quote + 1);  // quoted text writes no field
    }
    const sys_days day = floor<days>(time);
    seconds timeOfDay = time - day;
    if (pattern.find('s') == std::string::npos) timeOfDay = floor<minutes>(timeOfDay);
    if (pattern.find('m') == std::string::npos) timeOfDay = seconds{0};
    return serialFromCivil({year_month_day{day}, timeOfDay});
}

struct Tally {
    int right = 0;
    int refused = 0;
    int wrong = 0;
};

// ICU as the oracle: every text it writes for a locale, in four styles with and without a time,
// reads as the instant it was written from or is refused, never as another instant.
class IcuOracle : public testing::TestWithParam<bool> {};

TEST_P(IcuOracle, EveryLocaleReadsRightOrRefuses) {
    const bool ownCalendar = GetParam();
    const std::vector<Instant> sample = instants();
    std::array<Tally, 8> totals{};
    int32_t count = 0;
    const icu::Locale* locales = icu::Locale::getAvailableLocales(count);
    std::cout << (ownCalendar ? "Each locale's own calendar" : "Gregorian calendar")
              << "; per locale and style: read right/refused/read wrong\n";
    for (int32_t l = 0; l < count; ++l) {
        const std::string id = locales[l].getName();
        std::string calendarId = id + "@calendar=gregorian";
        if (ownCalendar) {
            UErrorCode status = U_ZERO_ERROR;
            const std::unique_ptr<icu::Calendar> own(icu::Calendar::createInstance(locales[l], status));
            if (std::string_view(own->getType()) == "gregorian") continue;
            calendarId = id;
        }
        const DateTextCodec codec(dateLocaleFromIcu(id));
        for (const Instant& instant : sample) {  // and the field's own text reads back, far years too
            const double serial = shownSerial(instant.time, "s");
            const Result<double> own = readDateText(formatDateText(serial, codec), codec);
            EXPECT_EQ(own.valueOr(0), serial) << id << " \"" << formatDateText(serial, codec) << "\" "
                                              << (own ? "" : own.failure().reason());
        }
        std::string line = id;
        for (std::size_t s = 0; s < 8; ++s) {
            const Style style = kStyles[s / 2];
            const bool withTime = s % 2 == 1;
            const icu::Locale locale(calendarId.c_str());
            std::unique_ptr<icu::DateFormat> format(
                icu::DateFormat::createDateTimeInstance(style, withTime ? style : Style::kNone, locale));
            format->setTimeZone(*icu::TimeZone::getGMT());
            std::unique_ptr<icu::Calendar> calendar(format->getCalendar()->clone());
            if (auto* gregorian = dynamic_cast<icu::GregorianCalendar*>(calendar.get())) {
                UErrorCode status = U_ZERO_ERROR;
                gregorian->setGregorianChange(U_DATE_MIN, status);
                format->adoptCalendar(calendar.release());
            }
            const std::string pattern = patternOf(*format);
            const bool twoDigitYear = pattern.find("yy") != std::string::npos && pattern.find("yyy") == std::string::npos;
            Tally tally;
            for (const Instant& instant : sample) {
                if (instant.far && twoDigitYear) continue;
                icu::UnicodeString written;
                format->format(static_cast<double>(instant.time.time_since_epoch().count()) * 1000.0, written);
                std::string text;
                written.toUTF8String(text);
                const Result<double> reading = readDateText(text, codec);
                const double expected = shownSerial(instant.time, pattern);
                if (!reading) {
                    ++tally.refused;
                    EXPECT_FALSE(reading.failure().reason().empty()) << id << " \"" << text << '"';
                } else if (std::abs(*reading - expected) < 0.5 / 86400.0) {
                    ++tally.right;
                } else {
                    ++tally.wrong;
                    ADD_FAILURE() << id << ' ' << kStyleNames[s / 2] << " \"" << text << "\" read as serial "
                                  << *reading << ", written from " << expected;
                }
            }
            totals[s].right += tally.right;
            totals[s].refused += tally.refused;
            totals[s].wrong += tally.wrong;
            line += ' ' + std::string(kStyleNames[s / 2]) + (withTime ? "+time " : " ") + std::to_string(tally.right) +
                    '/' + std::to_string(tally.refused) + '/' + std::to_string(tally.wrong);
        }
        std::cout << line << '\n';
    }
    for (std::size_t s = 0; s < 8; ++s) {
        const Tally& t = totals[s];
        const double refusedShare = t.refused / static_cast<double>(t.right + t.refused + t.wrong);
        std::cout << kStyleNames[s / 2] << (s % 2 == 1 ? "+time" : "") << ": read right " << t.right << ", refused "
                  << t.refused << " (" << 100.0 * refusedShare << "%), read wrong " << t.wrong << '\n';
        EXPECT_EQ(t.wrong, 0);
        if (!ownCalendar) {
            EXPECT_LE(refusedShare, 0.02) << kStyleNames[s / 2];
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Calendars, IcuOracle, testing::Values(false, true),
                         [](const testing::TestParamInfo<bool>& param) { return param.param ? "Own" : "Gregorian"; });

}  // namespace
}  // namespace skyanchor
