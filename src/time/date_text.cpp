#include "time/date_text.hpp"

#include "text/failure.hpp"
#include "time/date_serial.hpp"

#include <array>
#include <chrono>
#include <optional>

namespace skyanchor {
namespace {

using Field = DateToken::Field;
using namespace std::chrono;

constexpr year_month_day kSerialZeroDate{kSerialEpoch};

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
                  const DateLocale& locale) {
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
        case Field::DayHalf: {
            const std::string& marker = hour < 12 ? locale.amText : locale.pmText;
            text += token.lowercase ? foldCase(marker) : marker;
            break;
        }
        }
    }
}

// The pieces of a typed date text: numbers, words and what separates them.
struct Piece {
    enum class Kind { Number, Word, Separator } kind;
    std::string_view text;
    int value = 0;
};

constexpr std::size_t kMaxPieces = 24;
constexpr std::size_t kMaxDigits = 9;

bool isAsciiDigit(char c) { return c >= '0' && c <= '9'; }
bool isWordByte(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || static_cast<unsigned char>(c) >= 0x80;
}

// Blanks that locales put between a time and its day-half marker, besides the plain one.
std::size_t unicodeBlankLength(std::string_view rest) {
    for (const std::string_view blank : {"\xC2\xA0", "\xE2\x80\xAF", "\xE2\x80\x89", "\xE3\x80\x80"}) {
        if (rest.starts_with(blank)) return blank.size();
    }
    return 0;
}

class Pieces {
public:
    Pieces(std::string_view folded, const DateTextCodec& codec) {
        std::size_t pos = 0;
        while (pos < folded.size()) {
            const std::string_view rest = folded.substr(pos);
            std::size_t length = separatorLength(rest, codec);
            Piece::Kind kind = Piece::Kind::Separator;
            if (length == 0 && isAsciiDigit(rest[0])) {
                while (length < rest.size() && isAsciiDigit(rest[length])) ++length;
                kind = Piece::Kind::Number;
            } else if (length == 0 && isWordByte(rest[0])) {
                while (length < rest.size() && isWordByte(rest[length]) && unicodeBlankLength(rest.substr(length)) == 0)
                    ++length;
                kind = Piece::Kind::Word;
            } else if (length == 0) {
                length = 1;
            }
            add(kind, rest.substr(0, length));
            pos += length;
        }
    }

    [[nodiscard]] std::size_t size() const { return count_; }
    [[nodiscard]] const Piece& operator[](std::size_t i) const { return pieces_[i]; }
    [[nodiscard]] bool is(std::size_t i, Piece::Kind kind) const { return i < count_ && pieces_[i].kind == kind; }

private:
    static std::size_t separatorLength(std::string_view rest, const DateTextCodec& codec) {
        if (const std::size_t blank = unicodeBlankLength(rest)) return blank;
        for (const auto& word : codec.wordSeparators()) {
            if (rest.starts_with(word)) return word.size();
        }
        return 0;
    }

    void add(Piece::Kind kind, std::string_view text) {
        if (kind == Piece::Kind::Separator && count_ > 0 && pieces_[count_ - 1].kind == Piece::Kind::Separator) {
            auto& last = pieces_[count_ - 1].text;
            last = std::string_view(last.data(), last.size() + text.size());
            return;
        }
        if (count_ == kMaxPieces || (kind == Piece::Kind::Number && text.size() > kMaxDigits)) {
            throw Failure(FailureNumber::TypeMismatch);
        }
        Piece piece{.kind = kind, .text = text};
        if (kind == Piece::Kind::Number) {
            for (const char c : text) piece.value = piece.value * 10 + (c - '0');
        }
        pieces_[count_++] = piece;
    }

    std::array<Piece, kMaxPieces> pieces_{};
    std::size_t count_ = 0;
};

struct DateNumber {
    int value;
    std::size_t digits;
};

struct Reading {
    std::array<DateNumber, 3> dateNumbers{};
    std::size_t dateCount = 0;
    int month = 0;
    std::array<int, 3> timeNumbers{};
    std::size_t timeCount = 0;
    int dayHalf = 0;

    [[nodiscard]] bool dateComplete() const { return dateCount == 3 || (month != 0 && dateCount == 2); }
};

[[noreturn]] void mismatch() { throw Failure(FailureNumber::TypeMismatch); }

Reading readPieces(const Pieces& pieces, const DateTextCodec& codec) {
    Reading r;
    const auto isTimeSeparator = [&](std::size_t i) {
        if (!pieces.is(i, Piece::Kind::Separator)) return false;
        std::string_view text = pieces[i].text;
        while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
        while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
        if (text == ":") return true;
        return codec.isTimeSeparator(text) && (!codec.timeSeparatorInDates() || r.dateComplete());
    };
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        const Piece& piece = pieces[i];
        if (piece.kind == Piece::Kind::Number && r.timeCount == 0 && isTimeSeparator(i + 1) &&
            pieces.is(i + 2, Piece::Kind::Number)) {
            r.timeNumbers[r.timeCount++] = piece.value;
            while (r.timeCount < 3 && isTimeSeparator(i + 1) && pieces.is(i + 2, Piece::Kind::Number)) {
                i += 2;
                r.timeNumbers[r.timeCount++] = pieces[i].value;
            }
        } else if (piece.kind == Piece::Kind::Number) {
            if (r.dateCount == 3) mismatch();
            r.dateNumbers[r.dateCount++] = DateNumber{piece.value, piece.text.size()};
        } else if (piece.kind == Piece::Kind::Word) {
            if (const int month = codec.monthOfWord(piece.text); month != 0 && r.month == 0) {
                r.month = month;
            } else if (const int half = codec.dayHalfOfWord(piece.text); half != 0 && r.dayHalf == 0) {
                r.dayHalf = half;
            } else {
                mismatch();
            }
        }
    }
    return r;
}

// One or two digits name a year of 1930 to 2029; more digits name the year as written.
int fullYear(const DateNumber& year) {
    if (year.digits > 2) return year.value;
    return year.value < 30 ? 2000 + year.value : 1900 + year.value;
}

std::optional<year_month_day> dateOf(const Reading& r, const DateTextCodec& codec) {
    if (r.month == 0 && r.dateCount == 0) return std::nullopt;
    if (r.dateCount != (r.month != 0 ? 2u : 3u)) mismatch();
    const auto& n = r.dateNumbers;
    int y = 0;
    int m = r.month;
    int d = 0;
    if (r.month != 0) {
        const bool yearFirst = n[0].digits > 2 || (codec.yearFirst() && n[1].digits <= 2);
        y = fullYear(yearFirst ? n[0] : n[1]);
        d = (yearFirst ? n[1] : n[0]).value;
    } else if (n[0].digits > 2 || codec.yearFirst()) {
        y = fullYear(n[0]), m = n[1].value, d = n[2].value;
    } else if (codec.monthBeforeDay()) {
        m = n[0].value, d = n[1].value, y = fullYear(n[2]);
    } else {
        d = n[0].value, m = n[1].value, y = fullYear(n[2]);
    }
    // Range first: chrono keeps a month or day in eight bits, so 257 would wrap round to 1.
    if (y < 100 || y > 9999 || m < 1 || m > 12 || d < 1 || d > 31) mismatch();
    const year_month_day date{year{y}, month{static_cast<unsigned>(m)}, day{static_cast<unsigned>(d)}};
    if (!date.ok()) mismatch();
    return date;
}

std::optional<seconds> timeOf(const Reading& r) {
    if (r.timeCount == 0) {
        if (r.dayHalf != 0) mismatch();
        return std::nullopt;
    }
    int hour = r.timeNumbers[0];
    const int minute = r.timeNumbers[1];
    const int second = r.timeCount == 3 ? r.timeNumbers[2] : 0;
    if (r.dayHalf != 0) {
        if (hour > 12) mismatch();
        hour = hour % 12 + (r.dayHalf == 2 ? 12 : 0);
    }
    if (hour > 23 || minute > 59 || second > 59) mismatch();
    return hours{hour} + minutes{minute} + seconds{second};
}

}  // namespace

std::string formatDateText(double serial, const DateTextCodec& codec) {
    const CivilDateTime civil = civilFromSerial(serial);
    std::string text;
    text.reserve(32);
    if (civil.date == kSerialZeroDate) {
        appendFields(text, codec.timeTokens(), civil, codec.locale());
    } else {
        appendFields(text, codec.dateTokens(), civil, codec.locale());
        if (civil.timeOfDay != seconds{0}) {
            text += ' ';
            appendFields(text, codec.timeTokens(), civil, codec.locale());
        }
    }
    return text;
}

double parseDateText(std::string_view text, const DateTextCodec& codec) {
    const std::string folded = foldCase(text);
    const Reading reading = readPieces(Pieces(folded, codec), codec);
    const std::optional<year_month_day> date = dateOf(reading, codec);
    const std::optional<seconds> time = timeOf(reading);
    if (!date && !time) mismatch();
    return serialFromCivil(CivilDateTime{.date = date.value_or(kSerialZeroDate), .timeOfDay = time.value_or(seconds{0})});
}

}  // namespace skyanchor
