#include "time/date_serial.hpp"
#include "time/date_text.hpp"

#include <array>
#include <chrono>

namespace skyanchor {
namespace {

using Field = DateToken::Field;
using namespace std::chrono;

void appendNumber(std::string& text, unsigned value, unsigned minDigits) {
    std::array<char, 10> digits{};
    unsigned count = 0;
    do {
        digits[count++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value != 0);
    for (unsigned pad = count; pad < minDigits; ++pad) text += '0';
    while (count > 0) text += digits[--count];
}

void appendFields(std::string& text, const std::vector<DateToken>& tokens, const CivilDateTime& civil,
                  const DateTextCodec& codec) {
    const DateLocale& locale = codec.locale();
    const auto month = static_cast<unsigned>(civil.date.month());
    const hh_mm_ss<seconds> time{civil.timeOfDay};
    const auto hour = static_cast<unsigned>(time.hours().count());
    for (const auto& token : tokens) {
        const unsigned width = token.padded ? 2 : 1;
        switch (token.field) {
        case Field::Literal: text += token.literal; break;
        case Field::Day: appendNumber(text, static_cast<unsigned>(civil.date.day()), width); break;
        case Field::Month: appendNumber(text, month, width); break;
        case Field::MonthAbbreviation: text += locale.monthAbbreviations[month - 1]; break;
        case Field::MonthName: text += locale.monthNames[month - 1]; break;
        case Field::Year: appendNumber(text, static_cast<unsigned>(static_cast<int>(civil.date.year())), 4); break;
        case Field::Hour24: appendNumber(text, hour, width); break;
        case Field::Hour12: appendNumber(text, hour % 12 == 0 ? 12 : hour % 12, width); break;
        case Field::Minute: appendNumber(text, static_cast<unsigned>(time.minutes().count()), width); break;
        case Field::Second: appendNumber(text, static_cast<unsigned>(time.seconds().count()), width); break;
        case Field::DayHalf: text += codec.dayHalfText(hour >= 12, token.lowercase); break;
        }
    }
}

}  // namespace

std::string formatDateText(double serial, const DateTextCodec& codec) {
    const CivilDateTime civil = civilFromSerial(serial);
    std::string text;
    text.reserve(48);
    if (civil.date == year_month_day{kSerialEpoch} && !codec.writesDateWithEveryTime()) {
        appendFields(text, codec.timeTokens(), civil, codec);
    } else {
        appendFields(text, codec.dateTokens(), civil, codec);
        if (const std::string* era = codec.gregorianEraFor(static_cast<int>(civil.date.year()))) text += ' ' + *era;
        if (civil.timeOfDay != seconds{0}) {
            text += ' ';
            appendFields(text, codec.timeTokens(), civil, codec);
        }
    }
    return text;
}

}  // namespace skyanchor
