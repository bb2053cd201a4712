#include "time/date_text.hpp"

#include "text/failure.hpp"
#include "time/date_serial.hpp"
#include "time/unicode_text.hpp"

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

[[noreturn]] void mismatch() { throw Failure(FailureNumber::TypeMismatch); }

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// A number or a meaningful word of a typed text (in reading form); the locale's pattern words
// and all punctuation between them are left in the gaps.
struct Piece {
    std::size_t begin = 0;
    std::size_t end = 0;
    bool isNumber = false;
    int value = 0;
    WordMeaning meaning;
};

Piece wordPiece(std::size_t begin, std::size_t end, const WordMeaning& meaning) {
    Piece piece;
    piece.begin = begin;
    piece.end = end;
    piece.meaning = meaning;
    return piece;
}

constexpr std::size_t kMaxPieces = 24;
constexpr std::size_t kMaxDigits = 9;

class Pieces {
public:
    Pieces(std::string_view text, const DateTextCodec& codec) {
        std::size_t pos = 0;
        while (pos < text.size()) {
            const char c = text[pos];
            if (static_cast<unsigned char>(c) < '0') {  // blanks and ASCII punctuation begin no word
                ++pos;
                continue;
            }
            const auto match = codec.words().longestAt(text, pos);
            if (isDigit(c) && !match) {
                pos = addNumber(text, pos);
            } else if (const std::size_t letter = letterLength(text, pos)) {
                pos = addWord(text, pos, letter, match, codec);
            } else if (match) {
                add(wordPiece(pos, pos + match->length, match->meaning));
                pos += match->length;
            } else {
                ++pos;  // other punctuation and symbols
            }
        }
    }

    [[nodiscard]] std::size_t size() const { return count_; }
    [[nodiscard]] const Piece& operator[](std::size_t i) const { return pieces_[i]; }

private:
    std::size_t addNumber(std::string_view text, std::size_t pos) {
        Piece piece;
        piece.begin = pos;
        piece.isNumber = true;
        while (pos < text.size() && isDigit(text[pos])) {
            if (pos - piece.begin == kMaxDigits) mismatch();
            piece.value = piece.value * 10 + (text[pos] - '0');
            ++pos;
        }
        piece.end = pos;
        add(piece);
        return pos;
    }

    // A word of the locale (the longest that starts here), or a beginning of a month name.
    std::size_t addWord(std::string_view text, std::size_t pos, std::size_t letter,
                        const std::optional<DateWords::Match>& match, const DateTextCodec& codec) {
        std::size_t runEnd = pos + letter;
        while (runEnd < text.size()) {
            const std::size_t next = letterLength(text, runEnd);
            if (next == 0) break;
            runEnd += next;
        }
        const bool wholeWord = match && (pos + match->length >= runEnd || letterLength(text, pos + match->length) == 0);
        if (!wholeWord) {
            if (const int month = codec.monthOfBeginning(text.substr(pos, runEnd - pos))) {
                add(wordPiece(pos, runEnd, WordMeaning::ofMonth(month)));
                return runEnd;
            }
        }
        if (!match) mismatch();  // a word that is no date word of the locale
        add(wordPiece(pos, pos + match->length, match->meaning));
        return pos + match->length;
    }

    void add(const Piece& piece) {
        const WordMeaning& m = piece.meaning;
        if (!piece.isNumber && m.month == 0 && m.dayHalf == 0 && !m.weekday) return;  // a pattern word only
        if (count_ == kMaxPieces) mismatch();
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
    bool weekday = false;
    std::array<int, 3> timeNumbers{};
    std::size_t timeCount = 0;
    int dayHalf = 0;

    [[nodiscard]] bool dateComplete() const { return dateCount == 3 || (month != 0 && dateCount == 2); }
};

class Reader {
public:
    Reader(std::string_view text, const Pieces& pieces, const DateTextCodec& codec)
        : text_(text), pieces_(pieces), codec_(codec) {}

    Reading read() {
        for (std::size_t i = 0; i < pieces_.size(); ++i) {
            const Piece& piece = pieces_[i];
            if (piece.isNumber && r_.timeCount == 0 && startsTime(i)) {
                r_.timeNumbers[r_.timeCount++] = piece.value;
                while (r_.timeCount < 3 && timeSeparatorFollows(i)) r_.timeNumbers[r_.timeCount++] = pieces_[++i].value;
            } else if (piece.isNumber) {
                if (r_.dateCount == 3) mismatch();
                r_.dateNumbers[r_.dateCount++] = DateNumber{piece.value, piece.end - piece.begin};
            } else {
                readWord(piece.meaning);
            }
        }
        return r_;
    }

private:
    // Where a word can be several things, a month comes first, then a day-half marker, then text
    // of the patterns, then a weekday; a month name that turns out to be followed by another
    // month name was a weekday (Breton "Meurzh" is March and Tuesday).
    void readWord(const WordMeaning& meaning) {
        if (meaning.month != 0 && r_.month == 0) {
            r_.month = meaning.month;
            monthCouldBeWeekday_ = meaning.weekday;
        } else if (meaning.month != 0 && monthCouldBeWeekday_ && !r_.weekday) {
            r_.month = meaning.month;
            r_.weekday = true;
            monthCouldBeWeekday_ = false;
        } else if (meaning.dayHalf != 0 && r_.dayHalf == 0) {
            r_.dayHalf = meaning.dayHalf;
        } else if (meaning.literal) {
            return;
        } else if (meaning.weekday && !r_.weekday) {
            r_.weekday = true;
        } else {
            mismatch();
        }
    }

    // What stands between piece i and the next, when the next is a number.
    [[nodiscard]] std::optional<std::string_view> gapBeforeNumber(std::size_t i) const {
        if (i + 1 >= pieces_.size() || !pieces_[i + 1].isNumber) return std::nullopt;
        return text_.substr(pieces_[i].end, pieces_[i + 1].begin - pieces_[i].end);
    }

    [[nodiscard]] bool timeSeparatorFollows(std::size_t i) const {
        const auto gap = gapBeforeNumber(i);
        return gap && codec_.isTimeSeparator(*gap);
    }

    // A separator that also parts the numbers of a date ("." in Finnish) begins a time only
    // after a whole date.
    [[nodiscard]] bool startsTime(std::size_t i) const {
        const auto gap = gapBeforeNumber(i);
        if (!gap || !codec_.isTimeSeparator(*gap)) return false;
        return codec_.isColon(*gap) || !codec_.isDateSeparator(*gap) || r_.dateComplete();
    }

    std::string_view text_;
    const Pieces& pieces_;
    const DateTextCodec& codec_;
    Reading r_;
    bool monthCouldBeWeekday_ = false;
};

// One or two digits name a year of 1930 to 2029; more digits name the year as written.
int fullYear(const DateNumber& year) {
    if (year.digits > 2) return year.value;
    return year.value < 30 ? 2000 + year.value : 1900 + year.value;
}

std::optional<year_month_day> dateOf(const Reading& r, const DateTextCodec& codec) {
    if (r.month == 0 && r.dateCount == 0) {
        if (r.weekday) mismatch();
        return std::nullopt;
    }
    if (r.dateCount != (r.month != 0 ? 2u : 3u)) mismatch();
    const auto& n = r.dateNumbers;
    int y = 0;
    int m = r.month;
    int d = 0;
    if (r.month != 0) {
        const bool yearFirst = n[0].digits > 2 || (n[1].digits <= 2 && codec.yearBeforeDayAroundMonthWord());
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
    text.reserve(48);
    if (civil.date == kSerialZeroDate && !codec.writesDateWithEveryTime()) {
        appendFields(text, codec.timeTokens(), civil, codec);
    } else {
        appendFields(text, codec.dateTokens(), civil, codec);
        if (civil.timeOfDay != seconds{0}) {
            text += ' ';
            appendFields(text, codec.timeTokens(), civil, codec);
        }
    }
    return text;
}

double parseDateText(std::string_view text, const DateTextCodec& codec) {
    const std::string form = readingForm(text);
    const Pieces pieces(form, codec);
    const Reading reading = Reader(form, pieces, codec).read();
    const std::optional<year_month_day> date = dateOf(reading, codec);
    const std::optional<seconds> time = timeOf(reading);
    if (!date && !time) mismatch();
    return serialFromCivil(CivilDateTime{.date = date.value_or(kSerialZeroDate), .timeOfDay = time.value_or(seconds{0})});
}

}  // namespace skyanchor
