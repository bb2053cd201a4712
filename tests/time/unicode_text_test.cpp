#include "time/unicode_text.hpp"

#include <gtest/gtest.h>

#include <ostream>

namespace skyanchor {
namespace {

struct FormCase {
    const char* text;
    const char* form;
};

void PrintTo(const FormCase& c, std::ostream* out) { *out << '"' << c.text << "\" as \"" << c.form << '"'; }

class ReadingForm : public testing::TestWithParam<FormCase> {};

TEST_P(ReadingForm, FoldsCaseDigitsBlanksAndMarks) { EXPECT_EQ(readingForm(GetParam().text), GetParam().form); }

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadingForm,
    testing::Values(FormCase{"DEC 8, 2026", "dec 8, 2026"}, FormCase{"ÄÖÜ Июня ΣΕΠ Června", "äöü июня σεπ června"},
                    FormCase{"١\u200F/٩\u200F/١٩٣٠", "1/9/1930"}, FormCase{"۱۹۳۰", "1930"}, FormCase{"१९३०", "1930"},
                    FormCase{"১৯৩০", "1930"}, FormCase{"၁၉၃၀", "1930"}, FormCase{"༡༩༣༠", "1930"}, FormCase{"１９３０", "1930"},
                    FormCase{"a.\u00A0m.\u202F\t", "a. m.  "}, FormCase{"\xFF" "1", "\xEF\xBF\xBD" "1"}));

TEST(LetterLength, TellsLettersAndMarksFromTheRest) {
    EXPECT_EQ(letterLength("a1", 0), 1u);
    EXPECT_EQ(letterLength("я", 0), 2u);
    EXPECT_EQ(letterLength("年", 0), 3u);
    EXPECT_EQ(letterLength("\u0E34", 0), 3u);  // a Thai vowel sign
    EXPECT_EQ(letterLength("1", 0), 0u);
    EXPECT_EQ(letterLength(".", 0), 0u);
    EXPECT_EQ(letterLength("\u0F0B", 0), 0u);  // the Tibetan syllable mark
}

}  // namespace
}  // namespace skyanchor
