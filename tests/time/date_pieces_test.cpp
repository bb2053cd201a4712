#include "test_codecs.hpp"
#include "time/date_pieces.hpp"
#include "time/unicode_text.hpp"

#include <gtest/gtest.h>

#include <string>

namespace skyanchor {
namespace {

// The pieces as "12 8 2026 T7 23 PM": numbers (after ISO's "T" marked so), and what each word is;
// or the refusal, without the example that follows it; it quotes the text as typed.
std::string piecesOf(const std::string& text, const DateTextCodec& codec) {
    const std::string form = readingForm(text);
    const DatePieces pieces(text, form, codec);
    if (!pieces.status()) {
        const std::string& reason = pieces.status().failure().reason();
        return "refused: " + reason.substr(0, reason.find(": type"));
    }
    std::string said;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        const DatePiece& piece = pieces[i];
        const WordMeaning& m = piece.meaning;
        if (!said.empty()) said += ' ';
        if (piece.afterT) said += 'T';
        if (piece.isNumber) {
            said += std::to_string(piece.value);
        } else if (m.month != 0) {
            said += "month" + std::to_string(m.month);
        } else {
            said += m.dayHalf == 2 ? "PM" : m.anyDayHalf == 2 ? "pm" : m.weekday != 0 ? "weekday" : m.era != 0 ? "era" : "zone";
        }
    }
    return said;
}

struct PiecesCase {
    const DateTextCodec& (*codec)();
    const char* text;
    const char* pieces;
};

// Numbers, names (whole, shortened, glued to a number), markers; the words of the patterns and
// punctuation stay in the gaps. "元" is the year 1 right after its era, and nowhere else.
TEST(DatePieces, CutsATextIntoNumbersAndWords) {
    constexpr auto us = test::codecOf<test::kUnitedStates>;
    constexpr auto japan = test::codecOf<test::kJapan>;
    const PiecesCase cases[] = {
        {us, "12/8/2026 7:23:40 PM", "12 8 2026 7 23 40 PM"},
        {us, "Tuesday, Dec 8, 2026 at 7pm UTC", "weekday month12 8 2026 7 PM zone"},
        {us, "decem 8 2026", "month12 8 2026"},
        {us, "2026-12-08T07:23:40Z", "2026 12 8 T7 23 40 zone"},
        {us, "12/8/2026 AD", "12 8 2026 era"},
        {japan, "明治元年9月8日", "era 1 month9 8 weekday"},  // "9月" is a month's name, "日" Sunday's
        {japan, "元年9月8日", "refused: \u201C\u2068元\u2069\u201D names the first year of an era only right after the era"},
        {us, "1234567890", "refused: \u201C\u20681234567890\u2069\u201D… is too long a number"},
        {us, "12 SMarch 2026", "refused: \u201C\u2068SMarch\u2069\u201D is no month, weekday or other date word here"},
        {us, "1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21 22 23 24 25",
         "refused: The text is longer than any date and time"},
    };
    for (const PiecesCase& c : cases) EXPECT_EQ(piecesOf(c.text, c.codec()), c.pieces) << c.text;
}

}  // namespace
}  // namespace skyanchor
