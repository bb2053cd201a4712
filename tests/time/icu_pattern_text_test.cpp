#include "time/icu_pattern_text.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace skyanchor {
namespace {

struct PatternCase {
    const char* icu;
    const char* datePattern;
    std::vector<std::string> words;
};

// ICU's letters as the field's, quoted text kept; the words are what stands around the fields.
TEST(IcuPatternText, LettersAndWords) {
    const PatternCase cases[] = {
        {"EEEE, MMMM d, y 'at' h:mm:ss a zzzz", "dddd, MMMM d, yyyy 'at' h:mm:ss AP t", {"at"}},
        {"d. MMMM y 'um' HH:mm", "d. MMMM yyyy 'um' HH:mm", {"um"}},
        {"y年M月d日EEEE", "yyyy年M月d日dddd", {"年", "月", "日"}},
        {"dd/MM/yy HH.mm.ss.SSS", "dd/MM/yy HH.mm.ss.zzz", {}},
        {"G y LLL d, ccc B h:mm", "t yyyy MMM d, ddd AP h:mm", {}},
        {"h 'o''clock'", "h 'o''clock'", {"o", "clock"}},
    };
    for (const PatternCase& c : cases) {
        EXPECT_EQ(datePatternOfIcu(c.icu), c.datePattern) << c.icu;
        EXPECT_EQ(literalWordsOf(c.icu), c.words) << c.icu;
    }
}

}  // namespace
}  // namespace skyanchor
