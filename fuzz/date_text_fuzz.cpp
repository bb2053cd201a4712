#include "test_locales.hpp"
#include "base/failure.hpp"
#include "time/date_serial.hpp"
#include "time/date_text.hpp"
#include "time/unicode_text.hpp"

#include <unicode/normalizer2.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>
#include <unicode/utf8.h>

#include <array>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace skyanchor;
using namespace std::chrono;

// The first input byte picks the locale: 'a' the first, 'b' the second, and so on round.
const std::array<const DateLocale*, 18> kLocales{
    &test::kUnitedStates, &test::kGermany,   &test::kJapan,    &test::kPlainC,         &test::kRussia,
    &test::kGreece,       &test::kEgypt,     &test::kIsrael,   &test::kIndia,          &test::kBangladesh,
    &test::kKorea,        &test::kThailand,  &test::kMyanmar,  &test::kFinland,        &test::kCanadaFrench,
    &test::kUnitedStatesSpanish, &test::kTaiwan, &test::kIran};

// The text case-folded, without invisible format marks, as ICU sees it; without accents too, on
// request, as a name may be typed ("fevr" for "févr.").
icu::UnicodeString folded(std::string_view text, bool withoutAccents) {
    UErrorCode status = U_ZERO_ERROR;
    icu::UnicodeString all = icu::UnicodeString::fromUTF8(icu::StringPiece(text.data(), static_cast<std::int32_t>(text.size())));
    if (withoutAccents) all = icu::Normalizer2::getNFDInstance(status)->normalize(all, status);
    icu::UnicodeString kept;
    for (std::int32_t i = 0; i < all.length(); i = all.moveIndex32(i, 1)) {
        const UChar32 c = all.char32At(i);
        if (u_charType(c) != U_FORMAT_CHAR && !(withoutAccents && u_charType(c) == U_NON_SPACING_MARK)) kept.append(c);
    }
    return kept.foldCase();
}

struct TypedNumber {
    int value;
    int digits;
};

// The runs of decimal digits of any script in the text.
std::vector<TypedNumber> typedNumbers(std::string_view text) {
    std::vector<TypedNumber> numbers;
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    const auto length = static_cast<std::int32_t>(text.size());
    bool inNumber = false;
    for (std::int32_t i = 0; i < length;) {
        UChar32 c = 0;
        U8_NEXT(bytes, i, length, c);
        if (c >= 0 && u_charType(c) == U_FORMAT_CHAR) continue;
        const int digit = c >= 0 && u_isdigit(c) ? u_charDigitValue(c) : -1;
        if (digit < 0) {
            inNumber = false;
        } else if (inNumber && numbers.back().digits < 9) {
            numbers.back().value = numbers.back().value * 10 + digit;
            ++numbers.back().digits;
        } else if (!inNumber) {
            numbers.push_back({digit, 1});
            inNumber = true;
        }
    }
    return numbers;
}

// Whether a name of the month, or its first three letters, stands in the text, with its accents
// or without.
bool monthNamed(std::string_view typed, const DateLocale& locale, unsigned month) {
    for (const bool withoutAccents : {false, true}) {
        const icu::UnicodeString text = folded(typed, withoutAccents);
        for (const auto* names : {&locale.monthNames, &locale.monthAbbreviations, &locale.standaloneMonthNames,
                                  &locale.standaloneMonthAbbreviations}) {
            icu::UnicodeString name = folded((*names)[month - 1], withoutAccents);
            while (name.length() > 0 && name.endsWith(icu::UnicodeString(u'.'))) name.truncate(name.length() - 1);
            if (name.length() > 3) name.truncate(name.moveIndex32(0, 3));
            if (name.length() > 0 && text.indexOf(name) >= 0) return true;
        }
    }
    const icu::UnicodeString text = folded(typed, false);
    // Mail dates name months in English in every locale.
    constexpr std::array<const char*, 12> kEnglish{"jan", "feb", "mar", "apr", "may", "jun",
                                                   "jul", "aug", "sep", "oct", "nov", "dec"};
    return text.indexOf(icu::UnicodeString(kEnglish[month - 1], -1, US_INV)) >= 0;
}

// The date read is one that was typed: its day, month and year are among the typed numbers (a
// year of one or two digits by the 1930-2029 rule) or month names.
bool dateWasTyped(std::string_view text, const DateLocale& locale, const year_month_day& date) {
    const auto numbers = typedNumbers(text);
    const auto typed = [&](int value, bool asYear) {
        for (const TypedNumber& n : numbers) {
            const int read = asYear && n.digits <= 2 ? (n.value < 30 ? 2000 + n.value : 1900 + n.value) : n.value;
            if (read == value) return true;
        }
        return false;
    };
    const auto month = static_cast<unsigned>(date.month());
    return typed(static_cast<int>(static_cast<unsigned>(date.day())), false) &&
           (typed(static_cast<int>(month), false) || monthNamed(text, locale, month)) &&
           typed(static_cast<int>(date.year()), true);
}

std::string_view lettersAt(std::string_view form, std::size_t pos) {
    std::size_t end = pos;
    while (end < form.size() && letterLength(form, end) != 0) end += letterLength(form, end);
    return form.substr(pos, end - pos);
}

// Whether the text names an era, a month of another calendar, an offset from UT or a zone, or a
// day by its number in the year or its week: then the day read may differ from the numbers typed
// (พ.ศ. 2569 is 2026; 23:30-05:00 and 18:00 EST are the next day in UT; 2026-063 is 4 March).
bool namesOtherReckoning(std::string_view text, const DateTextCodec& codec) {
    const std::string form = readingForm(text, codec.words().turkicCase());
    for (std::size_t pos = 0; pos < form.size(); ++pos) {
        if (form[pos] == '+' || form[pos] == '-' || form.compare(pos, 3, "\xE2\x88\x92") == 0) return true;
        if (form[pos] == 'w' && pos > 0 && form[pos - 1] >= '0' && form[pos - 1] <= '9') return true;
        const auto word = codec.words().longestAt(form, pos);
        if (word && (word->meaning.era != 0 || word->meaning.calendarMonth != 0)) return true;
        if (!codec.zoneOffsetsOf(lettersAt(form, pos)).empty()) return true;
    }
    return false;
}

// Whether the text holds a fraction of a second fine enough to round to the next midnight.
bool hasFineFraction(std::string_view text) {
    std::size_t digits = 0;
    for (std::size_t pos = 0; pos < text.size(); ++pos) {
        const bool digit = text[pos] >= '0' && text[pos] <= '9';
        digits = digit && (digits > 0 || (pos > 0 && (text[pos - 1] == '.' || text[pos - 1] == ','))) ? digits + 1 : 0;
        if (digits >= 5) return true;
    }
    return false;
}

// The day read was typed, or is the day after one typed (or after a time alone) whose time of day
// a fraction rounded up to midnight.
bool dayWasTyped(std::string_view text, const DateTextCodec& codec, double serial) {
    const auto dayNumber = static_cast<long long>(std::trunc(serial));
    const year_month_day day{kSerialEpoch + days{dayNumber}};
    if (dateWasTyped(text, codec.locale(), day)) return true;
    if (civilFromSerial(serial).timeOfDay != seconds{0} || !hasFineFraction(text)) return false;
    const sys_days before = sys_days{day} - days{1};
    return before == kSerialEpoch || dateWasTyped(text, codec.locale(), year_month_day{before});
}

void checkReading(std::string_view text, const DateTextCodec& codec) {
    double serial = 0;
    try {
        serial = parseDateText(text, codec);
    } catch (const Failure& failure) {
        if (failure.kind() != FailureNumber::TypeMismatch || failure.reason().empty()) std::abort();
        return;
    }
    if (!(serial > kSerialLowerBound && serial < kSerialUpperBound)) std::abort();
    const CivilDateTime civil = civilFromSerial(serial);
    const bool timeAlone = serial >= 0 && serial < 1;
    if (!timeAlone && !namesOtherReckoning(text, codec) && !dayWasTyped(text, codec, serial)) std::abort();
    if (civilFromSerial(parseDateText(formatDateText(serial, codec), codec)) != civil) std::abort();
}

// Any serial of the range, picked by eight bytes, is written as a text that reads back to its second.
void checkWriting(const std::uint8_t* bytes, const DateTextCodec& codec) {
    std::uint64_t pick = 0;
    std::memcpy(&pick, bytes, sizeof pick);
    constexpr std::uint64_t kDays = 2958465 + 657434 + 1;
    const double day = -657434.0 + static_cast<double>(pick % kDays);
    const double fraction = static_cast<double>(pick / kDays % 86400) / 86400.0;
    const double serial = day < 0 ? day - fraction : day + fraction;
    const CivilDateTime civil = civilFromSerial(serial);
    if (civilFromSerial(parseDateText(formatDateText(serial, codec), codec)) != civil) std::abort();
}

// What people type that random bytes seldom reach: fractions next to midnight, offsets after a
// date, eras and their years, months of other calendars with two- and four-digit years, ISO
// 8601's numbered days, zones' abbreviations.
constexpr std::array<std::string_view, 26> kShapes{
    " 23:59:59.9999999", "T23:59:59.999999Z", "12/31/9999", ".99999", "+01:00", "-05:00", " UTC+05:30", " GMT+1",
    "明治", "元年", "令和", "45年", "هـ", "ه‍.ش.", "آذر", "/48", "/05", " 2026", "28/6/", "۱۷ ",
    "2026-063", "-366", "2026-W53-7", "W503", " EST", " MESZ"};

}  // namespace

extern "C" std::size_t LLVMFuzzerMutate(std::uint8_t* data, std::size_t size, std::size_t maxSize);

// One mutation in four inserts a shape after the locale's byte; the others are libFuzzer's own.
extern "C" std::size_t LLVMFuzzerCustomMutator(std::uint8_t* data, std::size_t size, std::size_t maxSize, unsigned seed) {
    std::minstd_rand random(seed);
    const std::string_view shape = kShapes[random() % kShapes.size()];
    if (random() % 4 != 0 || size == 0 || size + shape.size() > maxSize) return LLVMFuzzerMutate(data, size, maxSize);
    const std::size_t at = 1 + random() % size;
    std::memmove(data + at + shape.size(), data + at, size - at);
    std::memcpy(data + at, shape.data(), shape.size());
    return size + shape.size();
}

// Whatever parseDateText accepts is a real instant of the range that was typed, and writes back
// to a text that reads as the same second; whatever it refuses fails with type mismatch.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::vector<DateTextCodec> codecs = [] {
        std::vector<DateTextCodec> all;
        for (const DateLocale* locale : kLocales) all.emplace_back(*locale);
        return all;
    }();
    if (size == 0) return 0;
    const DateTextCodec& codec = codecs[static_cast<unsigned char>(data[0] - 'a') % codecs.size()];
    checkReading(std::string_view(reinterpret_cast<const char*>(data + 1), size - 1), codec);
    if (size >= 9) checkWriting(data + 1, codec);
    return 0;
}
