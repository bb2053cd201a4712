#include "test_locales.hpp"
#include "time/date_pattern.hpp"
#include "time/date_serial.hpp"
#include "time/date_text.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>

namespace skyanchor {
namespace {

struct TimePatternCase {
    const char* pattern;
    const char* written;  // 8 December 2026, 19:23:40
};

void PrintTo(const TimePatternCase& c, std::ostream* out) { *out << '"' << c.pattern << "\" as \"" << c.written << '"'; }

class TimePatternWithoutZone : public testing::TestWithParam<TimePatternCase> {};

// A left-out field takes along what only wrapped or introduced it, and the time still reads back.
TEST_P(TimePatternWithoutZone, LeavesNothingDangling) {
    DateLocale locale = test::kGermany;
    locale.longTimePattern = GetParam().pattern;
    const DateTextCodec codec(locale);
    const double serial = serialFromCivil({std::chrono::year{2026} / 12 / 8, std::chrono::seconds{19 * 3600 + 23 * 60 + 40}});
    const std::string text = formatDateText(serial, codec);
    EXPECT_EQ(text, std::string("08.12.2026 ") + GetParam().written);
    EXPECT_NEAR(parseDateText(text, codec), serial, 1e-9) << text;
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, TimePatternWithoutZone,
    testing::Values(TimePatternCase{"H:mm:ss (t)", "19:23:40"}, TimePatternCase{"HH:mm:ss, t", "19:23:40"},
                    TimePatternCase{"h:mm:ss AP, t", "7:23:40 PM"}, TimePatternCase{"Bh:mm:ss [t]", "19:23:40"},
                    TimePatternCase{"t HH:mm:ss", "19:23:40"}, TimePatternCase{"tHH:mm:ss", "19:23:40"},
                    TimePatternCase{"'Klock' H:mm:ss (t)", "Klock 19:23:40"},
                    TimePatternCase{"HH:mm:ss.zzz t", "19:23:40"}, TimePatternCase{"H 'h' mm 'min' ss 's' t", "19 h 23 min 40 s"},
                    TimePatternCase{"H:mm:ss 'ч'. t", "19:23:40 ч."},
                    TimePatternCase{"(t) HH:mm:ss", "19:23:40"}));

// The words of a pattern are what the locale may write around its fields, quoted or not, and
// letters that name no field.
TEST(CompilePattern, CollectsTheWordsAroundTheFields) {
    const DatePattern pattern = compilePattern("dddd, d 'de' MMMM 'de' yyyy Bh 'Klock'");
    for (const char* word : {"de", "B", "Klock"}) {
        EXPECT_NE(std::find(pattern.words.begin(), pattern.words.end(), word), pattern.words.end()) << word;
    }
    EXPECT_EQ(std::count(pattern.words.begin(), pattern.words.end(), "dddd"), 0);
}

}  // namespace
}  // namespace skyanchor
