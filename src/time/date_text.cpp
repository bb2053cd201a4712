#include "time/date_text.hpp"

#include "base/failure.hpp"
#include "base/utf8_text.hpp"
#include "words/date_refusals.hpp"
#include "time/date_serial.hpp"
#include "time/calendar_conversion.hpp"
#include "time/unicode_text.hpp"

#include <array>
#include <chrono>
#include <cmath>
#include <utility>
#include <vector>
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

using words::DatePieceFault;
using words::DateTextFault;

// The form to type: 8 December 2026, 19:23:40, as the field writes it.
std::string exampleText(const DateTextCodec& codec) {
    return formatDateText(serialFromCivil({year{2026} / 12 / 8, hours{19} + minutes{23} + seconds{40}}), codec);
}

std::string dayText(year_month_day date, const DateTextCodec& codec) {
    return formatDateText(serialFromCivil({date, seconds{0}}), codec);
}

[[noreturn]] void refuse(std::string reason) { throw Failure(FailureNumber::TypeMismatch, std::move(reason)); }

[[noreturn]] void refuse(DateTextFault fault, const DateTextCodec& codec) { refuse(words::dateRefusal(fault, exampleText(codec))); }

[[noreturn]] void refuse(DatePieceFault fault, std::string_view piece, const DateTextCodec& codec) {
    refuse(words::dateRefusal(fault, piece, exampleText(codec)));
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isBlank(char c) { return c == ' '; }

constexpr std::string_view kMinusSign = "\xE2\x88\x92";

// A number or a meaningful word of a typed text (in reading form); the locale's pattern words
// and all punctuation between them are left in the gaps.
struct Piece {
    std::size_t begin = 0;
    std::size_t end = 0;
    bool isNumber = false;
    bool afterT = false;  // ISO 8601's "T" joins it to a date
    int value = 0;
    std::size_t digitCount = 0;  // as typed; "元" (the first year) counts as one digit
    WordMeaning meaning;

    [[nodiscard]] std::size_t digits() const { return digitCount; }
    [[nodiscard]] bool marksTime() const {
        return !isNumber && !meaning.literal && meaning.month == 0 &&
               (meaning.dayHalf != 0 || meaning.anyDayHalf != 0 || meaning.period != 0);
    }
};

Piece wordPiece(std::size_t begin, std::size_t end, const WordMeaning& meaning) {
    Piece piece;
    piece.begin = begin;
    piece.end = end;
    piece.meaning = meaning;
    return piece;
}

constexpr std::size_t kMaxPieces = 24;
// Words of the patterns count too, so that a paste of joining words ("at" 50,000 times) ends early.
constexpr std::size_t kMaxWords = 64;
constexpr std::size_t kMaxDigits = 9;

class Pieces {
public:
    Pieces(std::string_view text, const DateTextCodec& codec) : text_(text), codec_(codec) {
        std::size_t pos = 0;
        while (pos < text.size()) {
            const auto c = static_cast<unsigned char>(text[pos]);
            if (c < '0') {  // blanks and ASCII punctuation begin no word
                ++pos;
                continue;
            }
            const auto match = codec.words().longestAt(text, pos);
            if (isDigit(text[pos]) && !match) {
                pos = addNumber(text, pos);
            } else if (letterLength(text, pos) != 0) {
                pos = addWord(text, pos, match);
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
        piece.afterT = afterT_;
        afterT_ = false;
        while (pos < text.size() && isDigit(text[pos])) {
            if (pos - piece.begin == kMaxDigits) refuse(DatePieceFault::TooLongNumber, text.substr(piece.begin, kMaxDigits + 1), codec_);
            piece.value = piece.value * 10 + (text[pos] - '0');
            ++pos;
        }
        piece.end = pos;
        piece.digitCount = pos - piece.begin;
        add(piece);
        return pos;
    }

    // The end of the run of letters that holds pos; found once for the whole run, however many
    // words it holds, so that reading stays linear in the text's length.
    std::size_t runEndFrom(std::string_view text, std::size_t pos) {
        if (pos < runEnd_) return runEnd_;
        runEnd_ = pos;
        while (runEnd_ < text.size()) {
            const std::size_t next = letterLength(text, runEnd_);
            if (next == 0) break;
            runEnd_ += next;
        }
        return runEnd_;
    }

    // A word of the locale (the longest that starts here), a beginning of a month name, or ISO
    // 8601's "T" between date and time and "Z" after a time.
    std::size_t addWord(std::string_view text, std::size_t pos, const std::optional<DateWords::Match>& match) {
        const std::size_t runEnd = runEndFrom(text, pos);
        const bool afterDigit = pos > 0 && isDigit(text[pos - 1]);
        if (afterDigit && runEnd == pos + 1 && text[pos] == 't' && runEnd < text.size() && isDigit(text[runEnd])) {
            afterT_ = true;
            return runEnd;
        }
        if (afterDigit && runEnd == pos + 1 && text[pos] == 'z') {
            add(wordPiece(pos, runEnd, WordMeaning{.zone = true}));
            return runEnd;
        }
        // A word is whole when its letters end there or a word of the locale follows glued to it
        // (Kurdish "یەکەمی": a month name and the suffix "ی").
        const auto glued = [&] {
            const auto next = codec_.words().longestAt(text, pos + match->length);
            return next && pos + match->length + next->length == runEnd;
        };
        const bool wholeWord = match && (pos + match->length >= runEnd || letterLength(text, pos + match->length) == 0 || glued());
        if (!wholeWord) {
            if (const int month = codec_.monthOfBeginning(text.substr(pos, runEnd - pos))) {
                add(wordPiece(pos, runEnd, WordMeaning::ofMonth(month)));
                return runEnd;
            }
        }
        if (!match) refuse(DatePieceFault::UnknownWord, text.substr(pos, runEnd - pos), codec_);
        add(wordPiece(pos, pos + match->length, match->meaning));
        return pos + match->length;
    }

    void add(Piece piece) {
        const WordMeaning& m = piece.meaning;
        if (++words_ > kMaxWords) refuse(DateTextFault::TooLong, codec_);
        if (!piece.isNumber && m.firstYear) {  // "明治元年": the year, right after its era
            const bool afterEra = count_ > 0 && pieces_[count_ - 1].meaning.era != 0 && pieces_[count_ - 1].end == piece.begin;
            if (!afterEra) {
                refuse(DatePieceFault::FirstYearAwayFromEra, text_.substr(piece.begin, piece.end - piece.begin), codec_);
            }
            piece.isNumber = true;
            piece.value = 1;
            piece.digitCount = 1;
        }
        if (!piece.isNumber && m.literal && m.month == 0 && m.weekday == 0 && m.calendarMonth == 0) return;  // a pattern word only
        if (count_ == kMaxPieces) refuse(DateTextFault::TooLong, codec_);
        pieces_[count_++] = piece;
    }

    std::string_view text_;
    const DateTextCodec& codec_;
    std::array<Piece, kMaxPieces> pieces_{};
    std::size_t count_ = 0;
    std::size_t words_ = 0;
    std::size_t runEnd_ = 0;
    bool afterT_ = false;
};

struct DateNumber {
    int value;
    std::size_t digits;
};

struct Reading {
    std::array<DateNumber, 3> dateNumbers{};
    std::size_t dateCount = 0;
    int month = 0;
    int monthCalendar = 0;  // the month named is of one of the codec's other calendars
    unsigned weekday = 0;
    int era = 0;
    std::array<int, 3> timeNumbers{};
    std::size_t timeCount = 0;
    microseconds fraction{0};  // of a second
    std::size_t timeFirst = 0;
    std::size_t timeLast = 0;
    int dayHalf = 0;
    int period = 0;
    bool zone = false;
    std::optional<int> offsetMinutes;

    [[nodiscard]] bool dateComplete() const { return dateCount == 3 || (month != 0 && dateCount == 2); }
};

// The digits after a second's point to the nearest microsecond, finer than an MJD of the present
// can hold: rounded, never cut off.
microseconds fractionOf(const Piece& digits) {
    long long value = digits.value;
    long long divisor = 1;
    for (std::size_t count = digits.digits(); count < 6; ++count) value *= 10;
    for (std::size_t count = digits.digits(); count > 6; --count) divisor *= 10;
    return microseconds{(value + divisor / 2) / divisor};
}

// Whether a gap is punctuation followed by a blank ("8: 7:23" in Nepali): what follows is no
// continuation of the number before it.
bool punctuationThenBlank(std::string_view gap) {
    if (gap.empty() || !isBlank(gap.back())) return false;
    bool punctuation = false;
    for (const char c : gap) {
        if (static_cast<unsigned char>(c) >= 0x80 || (c >= 'a' && c <= 'z')) return false;
        punctuation = punctuation || !isBlank(c);
    }
    return punctuation;
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

// +1 or -1 for a gap that is a sign alone (blanks before it allowed, none after), else 0.
int signOf(std::string_view gap) {
    if (gap.empty() || isBlank(gap.back())) return 0;
    const std::string_view sign = trimmed(gap);
    if (sign == "+") return 1;
    return sign == "-" || sign == kMinusSign ? -1 : 0;
}

class Reader {
public:
    Reader(std::string_view text, const Pieces& pieces, const DateTextCodec& codec)
        : text_(text), pieces_(pieces), codec_(codec) {}

    Reading read() {
        for (std::size_t i = 0; i < pieces_.size(); ++i) {
            const Piece& piece = pieces_[i];
            if (!piece.isNumber) {
                readWord(i);
                if (piece.meaning.month != 0 || piece.meaning.calendarMonth != 0) lastDatePiece_ = i;
            } else if (startsOffset(i)) {
                i = readOffset(i);
            } else if (isMinus(i)) {
                refuse(DatePieceFault::MinusSign, text_.substr(piece.begin, piece.digits()), codec_);
            } else if (r_.timeCount == 0 && startsTime(i)) {
                i = readTime(i);
            } else {
                if (r_.dateCount == 3) refuse(DateTextFault::TooManyNumbers, codec_);
                r_.dateNumbers[r_.dateCount++] = DateNumber{piece.value, piece.digits()};
                lastDatePiece_ = i;
            }
        }
        for (const std::size_t marker : markers_) readMarker(marker);
        return r_;
    }

private:
    [[nodiscard]] std::string_view gapBefore(std::size_t i) const {
        const std::size_t from = i == 0 ? 0 : pieces_[i - 1].end;
        return text_.substr(from, pieces_[i].begin - from);
    }
    [[nodiscard]] std::string_view gapAfter(std::size_t i) const {
        const std::size_t to = i + 1 < pieces_.size() ? pieces_[i + 1].begin : text_.size();
        return text_.substr(pieces_[i].end, to - pieces_[i].end);
    }
    [[nodiscard]] std::string_view pieceText(std::size_t i) const {
        return text_.substr(pieces_[i].begin, pieces_[i].end - pieces_[i].begin);
    }

    // A sign before a number begins an offset from UT right after a time, after a name of UT
    // ("UTC+05:30", "GMT+1"), or after a whole date without a time, as ISO 8601 writes it there
    // ("+01", "+01:00", "-0500"): midnight in that zone. A sign before one digit after a date
    // stays a sign ("-7:23" is no time of day).
    [[nodiscard]] bool startsOffset(std::size_t i) const {
        if (r_.offsetMinutes || i == 0 || signOf(gapBefore(i)) == 0) return false;
        if (pieces_[i - 1].meaning.zone) return true;
        if (r_.timeCount != 0) return i == r_.timeLast + 1;
        const std::size_t digits = pieces_[i].digits();
        return r_.dateComplete() && i == lastDatePiece_ + 1 && (digits == 2 || digits == 4);
    }

    // A minus before a number is a sign, unless it joins the number to the one or the word
    // before it ("2026-12-08", "07-Dec-2026").
    [[nodiscard]] bool isMinus(std::size_t i) const {
        const std::string_view gap = gapBefore(i);
        if (!gap.ends_with('-') && !gap.ends_with(kMinusSign)) return false;
        return !(i > 0 && gap == "-");
    }

    // Where a word can be several things, a month comes first, then text of the patterns, then
    // a marker of the time of day, a weekday, an era, a name of UT; a month name that turns out
    // to be followed by another month name was a weekday (Breton "Meurzh" is March and Tuesday).
    void readWord(std::size_t i) {
        const WordMeaning& meaning = pieces_[i].meaning;
        if (meaning.month != 0 && r_.month == 0) {
            r_.month = meaning.month;
            monthAsWeekday_ = meaning.weekday;
        } else if (meaning.month != 0 && monthAsWeekday_ != 0 && r_.weekday == 0) {
            r_.month = meaning.month;
            r_.weekday = monthAsWeekday_;
            monthAsWeekday_ = 0;
        } else if (meaning.calendarMonth != 0 && r_.month == 0) {
            r_.month = meaning.calendarMonth;
            r_.monthCalendar = meaning.monthCalendar;
        } else if (meaning.literal) {
            return;
        } else if (pieces_[i].marksTime() && markers_.size() < 2) {
            markers_.push_back(i);
        } else if (meaning.weekday != 0 && r_.weekday == 0) {
            r_.weekday = meaning.weekday;
        } else if (meaning.era != 0 && r_.era == 0) {
            r_.era = meaning.era;
        } else if (meaning.zone && !r_.zone) {
            r_.zone = true;
        } else {
            refuse(DatePieceFault::OutOfPlace, pieceText(i), codec_);
        }
    }

    // A day-half marker or day period counts next to the time: the locale's own before or after
    // it, "AM"/"PM" of any locale only right after it. "noon" and "midnight" may stand alone.
    void readMarker(std::size_t w) {
        const WordMeaning& meaning = pieces_[w].meaning;
        const bool after = r_.timeCount != 0 && w == r_.timeLast + 1;
        const bool before = r_.timeCount != 0 && w + 1 == r_.timeFirst;
        const std::string_view gap = after ? trimmed(gapBefore(w)) : std::string_view{};
        const bool exactHour = meaning.period != 0 && codec_.period(meaning.period).exactHour >= 0;
        const bool timeSaid = r_.dayHalf != 0 || r_.period != 0;
        if (timeSaid && (after || before)) {
            refuse(DatePieceFault::TimeOfDayTwice, pieceText(w), codec_);
        } else if (meaning.dayHalf != 0 && (codec_.dayHalfBeforeHour() ? before : after)) {
            r_.dayHalf = meaning.dayHalf;
        } else if (meaning.anyDayHalf != 0 && after && gap.find_first_not_of('.') == std::string_view::npos) {
            r_.dayHalf = meaning.anyDayHalf;
        } else if (meaning.period != 0 && ((codec_.periodBeforeHour() ? before : after) || (after && exactHour) ||
                                           (r_.timeCount == 0 && exactHour))) {
            r_.period = meaning.period;
        } else if (meaning.era != 0 && r_.era == 0) {  // Arabic "م" is after noon and the Christian era
            r_.era = meaning.era;
        } else {
            refuse(DatePieceFault::DayHalfAwayFromTime, pieceText(w), codec_);
        }
    }

    [[nodiscard]] bool timeSeparatorFollows(std::size_t i) const {
        return i + 1 < pieces_.size() && pieces_[i + 1].isNumber && codec_.isTimeSeparator(gapAfter(i));
    }

    // A number begins a time when a time separator follows it (one that also parts the numbers
    // of a date, as "." in Finnish, only after a whole date; punctuation and a blank, as in
    // Nepali "8: 7:23", not before one), after ISO's "T", or when a day-half word or an hour word
    // follows it ("7 pm", "19 Uhr").
    [[nodiscard]] bool startsTime(std::size_t i) const {
        if (pieces_[i].afterT) return true;
        if (pieces_[i].digits() > 2) return false;  // a year
        const std::string_view gap = gapAfter(i);
        if (timeSeparatorFollows(i)) {
            if (punctuationThenBlank(gap) && !r_.dateComplete()) return false;
            return codec_.isColon(gap) || !codec_.isDateSeparator(gap) || r_.dateComplete();
        }
        if (i + 1 < pieces_.size() && pieces_[i + 1].marksTime() && trimmed(gap).empty()) {
            const WordMeaning& marker = pieces_[i + 1].meaning;
            if (marker.anyDayHalf != 0) return true;
            if (marker.dayHalf != 0) return !codec_.dayHalfBeforeHour();
            if (marker.period == 0) return false;
            return codec_.period(marker.period).exactHour >= 0 ? pieces_[i].value == 12 : !codec_.periodBeforeHour();
        }
        return !trimmed(gap).empty() && codec_.isHourWord(gap);
    }

    std::size_t readTime(std::size_t i) {
        r_.timeFirst = i;
        r_.timeNumbers[r_.timeCount++] = pieces_[i].value;
        while (r_.timeCount < 3 && timeSeparatorFollows(i)) r_.timeNumbers[r_.timeCount++] = pieces_[++i].value;
        const std::string_view gap = i + 1 < pieces_.size() ? gapAfter(i) : std::string_view{};
        if (r_.timeCount == 3 && (gap == "." || gap == ",") && pieces_[i + 1].isNumber) {
            ++i;
            r_.fraction = fractionOf(pieces_[i]);
        }
        r_.timeLast = i;
        return i;
    }

    // "+01:00", "+0100", "-05" after a time or a name of UT.
    std::size_t readOffset(std::size_t i) {
        const int sign = signOf(gapBefore(i));
        int hour = pieces_[i].value;
        int minute = 0;
        if (pieces_[i].digits() == 4) {
            minute = hour % 100;
            hour /= 100;
        } else if (pieces_[i].digits() > 2) {
            refuse(DatePieceFault::NoOffset, pieceText(i), codec_);
        } else if (i + 1 < pieces_.size() && pieces_[i + 1].isNumber && gapAfter(i) == ":") {
            minute = pieces_[++i].value;
        }
        if (hour > 14 || minute > 59) refuse(DateTextFault::OffsetBeyondZones, codec_);
        r_.offsetMinutes = sign * (hour * 60 + minute);
        return i;
    }

    std::string_view text_;
    const Pieces& pieces_;
    const DateTextCodec& codec_;
    Reading r_;
    unsigned monthAsWeekday_ = 0;
    std::size_t lastDatePiece_ = 0;
    std::vector<std::size_t> markers_;
};

// One or two digits name a year of 1930 to 2029; more digits name the year as written.
int fullYear(const DateNumber& year) {
    if (year.digits > 2) return year.value;
    return year.value < 30 ? 2000 + year.value : 1900 + year.value;
}

struct Candidate {
    DateNumber year;
    int month;
    int day;
};

std::optional<year_month_day> gregorianDay(int y, int m, int d) {
    if (y < 100 || y > 9999 || m < 1 || m > 12 || d < 1 || d > 31) return std::nullopt;
    const year_month_day date{year{y}, month{static_cast<unsigned>(m)}, day{static_cast<unsigned>(d)}};
    return date.ok() ? std::optional(date) : std::nullopt;
}

// A day that a candidate names, or why it names none (empty: its numbers name no day).
struct CandidateDay {
    std::optional<year_month_day> date;
    std::string reason;
};

bool inFieldRange(year_month_day date) { return date.year() >= year{100} && date.year() <= year{9999}; }

CandidateDay inRange(std::optional<year_month_day> date) {
    return date && inFieldRange(*date) ? CandidateDay{date, {}} : CandidateDay{};
}

// The year of a calendar that two digits name: the one of the hundred years around its present.
int yearOfTwoDigits(int digits, int base) { return base + ((digits - base % 100) % 100 + 100) % 100; }

// An era's first or last day as the field writes it; empty where it has none or the field none.
std::string eraDayText(sys_days day, bool open, const DateTextCodec& codec) {
    return open || !inFieldRange(year_month_day{day}) ? std::string() : dayText(day, codec);
}

// A year written with an era is read as written, within the days the era ran. Two digits with
// an era whose years now have four ("48 AH") are a shortened year, whose century is not said.
CandidateDay dayInEra(const Candidate& c, const CalendarEra& era, const DateTextCodec& codec) {
    if (c.year.digits <= 2 && era.presentYear >= 1000) {
        return {std::nullopt, words::eraYearWithoutCentury(era.name, era.presentYear)};
    }
    const auto date = gregorianDateOf(era.calendar, era.era, c.year.value, c.month, c.day);
    if (date && (sys_days{*date} < era.firstDay || sys_days{*date} > era.lastDay)) {
        return {std::nullopt, words::dayOutsideEra(era.name, eraDayText(era.firstDay, era.firstDay == sys_days::min(), codec),
                                                   eraDayText(era.lastDay, era.lastDay == sys_days::max(), codec))};
    }
    return inRange(date);
}

// A month of another calendar with a four-digit year of the Gregorian calendar's present, not
// of that calendar's: both readings, never a guess.
[[noreturn]] void refuseMixedYear(const Candidate& c, const CustomaryCalendar& other, const DateTextCodec& codec) {
    const int typed = c.year.value;
    const auto there = gregorianDateOf(other.calendar, other.era, typed, c.month, c.day);
    const std::string dayThere = there && inFieldRange(*there) ? dayText(*there, codec) : std::string();
    words::MonthAndYearOfTwoCalendars facts{.calendar = other.displayName, .year = typed, .dayThere = dayThere,
                                            .gregorianDay = {}, .calendarYear = 0, .calendarEra = other.eraName};
    for (const year_month_day edge : {year{typed} / 1 / 1, year{typed} / 12 / 31}) {
        const int calendarYear = calendarYearOf(other.calendar, edge);
        const auto day = gregorianDateOf(other.calendar, other.era, calendarYear, c.month, c.day);
        if (!day || day->year() != year{typed}) continue;
        const std::string gregorianDay = dayText(*day, codec);
        facts.gregorianDay = gregorianDay;
        facts.calendarYear = calendarYear;
        refuse(words::monthAndYearOfTwoCalendars(facts));
    }
    refuse(words::monthAndYearOfTwoCalendars(facts));
}

// The day a candidate names: in the calendar of a written era or of a month's name, else in the
// Gregorian calendar.
CandidateDay dayOf(const Candidate& c, const Reading& r, const DateTextCodec& codec) {
    if (r.monthCalendar == 0) return r.era == 0 ? inRange(gregorianDay(fullYear(c.year), c.month, c.day)) : dayInEra(c, codec.era(r.era), codec);
    const CustomaryCalendar& other = codec.otherCalendars()[static_cast<std::size_t>(r.monthCalendar - 1)];
    if (r.era != 0 && codec.era(r.era).calendar != other.calendar) {
        refuse(words::monthAndEraOfTwoCalendars(other.displayName, exampleText(codec)));
    }
    if (r.era != 0) return dayInEra(c, codec.era(r.era), codec);
    const bool twoDigits = c.year.digits <= 2;
    const int y = twoDigits ? yearOfTwoDigits(c.year.value, other.twoDigitBase) : c.year.value;
    if (!twoDigits && (y < other.firstYear || y > other.lastYear) && y >= 1900 && y <= 2099) refuseMixedYear(c, other, codec);
    return inRange(gregorianDateOf(other.calendar, other.era, y, c.month, c.day));
}

// In a locale that counts years in another calendar too, a year without an era may be meant in
// either. A year of the present there (or of two digits, where those are the present's years)
// names both readings. Where that calendar is the customary one, a Gregorian year is read only
// from 1900 to 2099, where the other calendar's years of the present are not.
void checkOtherCalendars(const Candidate& c, year_month_day gregorian, const Reading& r, const DateTextCodec& codec) {
    if (r.era != 0 || r.monthCalendar != 0) return;
    for (const CustomaryCalendar& other : codec.otherCalendars()) {
        const bool twoDigits = c.year.digits <= 2;
        const bool present = !twoDigits && c.year.value >= other.firstYear && c.year.value <= other.lastYear;
        if (other.customary && !twoDigits && !present && (c.year.value < 1900 || c.year.value > 2099)) {
            refuse(words::yearOfEitherCalendar(c.year.value, other.displayName, other.eraName, codec.gregorianEra()));
        }
        if (!present && !(twoDigits && (other.customary || other.firstYear < 100))) continue;
        const int calendarYear = twoDigits ? yearOfTwoDigits(c.year.value, other.twoDigitBase) : c.year.value;
        const auto there = gregorianDateOf(other.calendar, other.era, calendarYear, c.month, c.day);
        const std::string dayThere = there ? dayText(*there, codec) : std::string();
        const std::string gregorianDay = dayText(gregorian, codec);
        refuse(words::dayOfEitherCalendar({.year = c.year.value, .calendar = other.displayName, .dayThere = dayThere,
                                           .gregorianYearThere = there ? static_cast<int>(there->year()) : 0,
                                           .gregorianDay = gregorianDay, .calendarEra = other.eraName,
                                           .gregorianEra = codec.gregorianEra()}));
    }
}

// The readings of the numbers in the orders they may be meant in.
std::vector<Candidate> candidatesOf(const Reading& r, const DateTextCodec& codec) {
    const auto& n = r.dateNumbers;
    if (r.month != 0) {
        const bool yearFirst = n[0].digits > 2 || (n[1].digits <= 2 && codec.yearBeforeDayAroundMonthWord());
        return {{yearFirst ? n[0] : n[1], r.month, (yearFirst ? n[1] : n[0]).value}};
    }
    if (n[0].digits > 2) return {{n[0], n[1].value, n[2].value}};
    // A four-digit year last is the field's own form when its order puts the year last: then
    // that order reads it; a text in another form may be meant in more than one.
    const bool fullYearLast = n[2].digits > 2;
    std::vector<Candidate> candidates;
    for (const DateOrder order : codec.orders()) {
        if (fullYearLast && order == DateOrder::YearMonthDay) continue;
        if (fullYearLast && order == codec.orders().front()) candidates.clear();
        switch (order) {
        case DateOrder::YearMonthDay: candidates.push_back({n[0], n[1].value, n[2].value}); break;
        case DateOrder::MonthDayYear: candidates.push_back({n[2], n[0].value, n[1].value}); break;
        case DateOrder::DayMonthYear: candidates.push_back({n[2], n[1].value, n[0].value}); break;
        }
        if (fullYearLast && order == codec.orders().front()) break;
    }
    return candidates;
}

// The one day the candidates name; two different ones, or none, are refused with the reason.
std::pair<year_month_day, Candidate> onlyDay(const std::vector<Candidate>& candidates, const Reading& r,
                                             const DateTextCodec& codec) {
    std::optional<std::pair<year_month_day, Candidate>> found;
    std::string reason;
    for (const Candidate& c : candidates) {
        const CandidateDay day = dayOf(c, r, codec);
        if (reason.empty()) reason = day.reason;
        if (!day.date || (found && *day.date == found->first)) continue;
        if (found) {
            refuse(words::orderUnknown(dayText(found->first, codec), dayText(*day.date, codec), exampleText(codec)));
        }
        found.emplace(*day.date, c);
    }
    if (found) return *found;
    if (!reason.empty()) refuse(reason);
    refuse(words::noSuchDay(dayText(year{2026} / 12 / 8, codec), exampleText(codec)));
}

std::optional<year_month_day> dateOf(const Reading& r, const DateTextCodec& codec) {
    if (r.month == 0 && r.dateCount == 0) {
        if (r.weekday != 0) refuse(DateTextFault::WeekdayAlone, codec);
        if (r.era != 0) refuse(DateTextFault::EraAlone, codec);
        return std::nullopt;
    }
    if (r.dateCount != (r.month != 0 ? 2u : 3u)) refuse(DateTextFault::DateIncomplete, codec);
    const auto [date, chosen] = onlyDay(candidatesOf(r, codec), r, codec);
    checkOtherCalendars(chosen, date, r, codec);
    if (r.weekday != 0) {
        const unsigned iso = weekday{sys_days{date}}.iso_encoding();
        if ((r.weekday & (1u << (iso - 1))) == 0) {
            refuse(words::wrongWeekday(dayText(date, codec), iso));
        }
    }
    return date;
}

std::optional<seconds> timeOf(const Reading& r, const DateTextCodec& codec) {
    const DayPeriod* period = r.period != 0 ? &codec.period(r.period) : nullptr;
    if (r.timeCount == 0) {
        if (period != nullptr && period->exactHour >= 0) return hours{period->exactHour};
        return std::nullopt;
    }
    int hour = r.timeNumbers[0];
    const int minute = r.timeCount >= 2 ? r.timeNumbers[1] : 0;
    const int second = r.timeCount == 3 ? r.timeNumbers[2] : 0;
    const auto noTime = [&codec] {
        refuse(DateTextFault::NoSuchTime, codec);
    };
    if (r.dayHalf != 0) {
        if (hour > 12) noTime();
        hour = hour % 12 + (r.dayHalf == 2 ? 12 : 0);
    } else if (period != nullptr && period->exactHour >= 0) {
        if (hour != 12 && hour != period->exactHour) noTime();
        hour = period->exactHour;
    } else if (period != nullptr) {
        const bool early = hour < 24 && (period->hours >> (hour % 12) & 1u) != 0;
        const bool late = hour < 24 && (period->hours >> (hour % 12 + 12) & 1u) != 0;
        if (hour > 12 ? (period->hours >> std::min(hour, 31) & 1u) == 0 : early == late) {
            refuse(DateTextFault::HourOutsidePeriod, codec);
        }
        if (hour <= 12) hour = early ? hour % 12 : hour % 12 + 12;
    }
    if (hour > 23 || minute > 59 || second > 59) noTime();
    return hours{hour} + minutes{minute} + seconds{second};
}

// The serial of an instant in the field's range. A time of day so near the next midnight that the
// serial cannot tell them apart is that midnight: before 30 December 1899, where the serial counts
// days backward, the nearest double would otherwise be the midnight a day earlier.
double serialOfInstant(sys_time<microseconds> instant, const DateTextCodec& codec) {
    sys_days day = floor<days>(instant);
    const auto index = static_cast<double>((day - kSerialEpoch).count());
    const double fraction = static_cast<double>((instant - day).count()) / 86400e6;
    double serial = index < 0 ? index - fraction : index + fraction;
    const bool roundedToMidnight = std::trunc(serial) != index;
    if (roundedToMidnight) {
        day += days{1};
        serial = index + 1;
    }
    if (!inFieldRange(year_month_day{day})) {
        refuse(roundedToMidnight ? DateTextFault::RoundsPastLastDay : DateTextFault::OutsideDates, codec);
    }
    return serial;
}

double readText(std::string_view text, const DateTextCodec& codec) {
    if (validUtf8Length(text) != text.size()) refuse(DateTextFault::NotUtf8, codec);
    const std::string form = readingForm(text, codec.words().turkicCase());
    const Pieces pieces(form, codec);
    const Reading reading = Reader(form, pieces, codec).read();
    const std::optional<year_month_day> date = dateOf(reading, codec);
    const std::optional<seconds> time = timeOf(reading, codec);
    if (!date && !time) refuse(text.empty() ? DateTextFault::Empty : DateTextFault::NamesNothing, codec);
    sys_time<microseconds> instant = sys_days{date.value_or(kSerialZeroDate)} + time.value_or(seconds{0}) + reading.fraction;
    instant -= minutes{reading.offsetMinutes.value_or(0)};  // the field is in UT
    return serialOfInstant(instant, codec);
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
        if (const std::string* era = codec.gregorianEraFor(static_cast<int>(civil.date.year()))) text += ' ' + *era;
        if (civil.timeOfDay != seconds{0}) {
            text += ' ';
            appendFields(text, codec.timeTokens(), civil, codec);
        }
    }
    return text;
}


DateTextReading readDateText(std::string_view text, const DateTextCodec& codec) {
    try {
        return DateTextReading{readText(text, codec), {}};
    } catch (const Failure& failure) {
        return DateTextReading{std::nullopt, failure.reason()};
    }
}

double parseDateText(std::string_view text, const DateTextCodec& codec) { return readText(text, codec); }

}  // namespace skyanchor
