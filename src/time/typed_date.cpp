#include "time/typed_date.hpp"

#include "time/reader_refusals.hpp"

#include <string_view>
#include <utility>

namespace skyanchor {
namespace {

using words::DatePieceFault;
using words::DateTextFault;

constexpr std::string_view kMinusSign = "\xE2\x88\x92";

bool isBlank(char c) { return c == ' '; }

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
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

// +1 or -1 for a gap that is a sign alone (blanks before it allowed, none after), else 0.
int signOf(std::string_view gap) {
    if (gap.empty() || isBlank(gap.back())) return 0;
    const std::string_view sign = trimmed(gap);
    if (sign == "+") return 1;
    return sign == "-" || sign == kMinusSign ? -1 : 0;
}

// The digits after a second's point to the nearest microsecond, finer than an MJD of the present
// can hold: rounded, never cut off.
std::chrono::microseconds fractionOf(const DatePiece& digits) {
    long long value = digits.value;
    long long divisor = 1;
    for (std::size_t count = digits.digits; count < 6; ++count) value *= 10;
    for (std::size_t count = digits.digits; count > 6; --count) divisor *= 10;
    return std::chrono::microseconds{(value + divisor / 2) / divisor};
}

// A minus before a number is a sign, unless it joins the number to the one or the word before
// it ("2026-12-08", "07-Dec-2026").
bool isMinus(const DatePieces& pieces, std::size_t i) {
    const std::string_view gap = pieces.gapBefore(i);
    if (!gap.ends_with('-') && !gap.ends_with(kMinusSign)) return false;
    return !(i > 0 && gap == "-");
}

bool timeSeparatorFollows(const DatePieces& pieces, std::size_t i, const DateTextCodec& codec) {
    return i + 1 < pieces.size() && pieces[i + 1].isNumber && codec.isTimeSeparator(pieces.gapAfter(i));
}

// Whether the day-half word or day period right after a number makes it an hour.
bool markerMakesHour(const DatePieces& pieces, std::size_t i, const DateTextCodec& codec) {
    const WordMeaning& marker = pieces[i + 1].meaning;
    if (marker.anyDayHalf != 0) return true;
    if (marker.dayHalf != 0) return !codec.dayHalfBeforeHour();
    if (marker.period == 0) return false;
    return codec.period(marker.period).exactHour >= 0 ? pieces[i].value == 12 : !codec.periodBeforeHour();
}

// A number begins a time when a time separator follows it (one that also parts the numbers of a
// date, as "." in Finnish, only after a whole date; punctuation and a blank, as in Nepali
// "8: 7:23", not before one), after ISO's "T", or when a day-half word or an hour word follows
// it ("7 pm", "19 Uhr").
bool startsTime(const DatePieces& pieces, std::size_t i, const TypedDate& typed, const DateTextCodec& codec) {
    if (pieces[i].afterT) return true;
    if (pieces[i].digits > 2) return false;  // a year
    const std::string_view gap = pieces.gapAfter(i);
    if (timeSeparatorFollows(pieces, i, codec)) {
        if (punctuationThenBlank(gap) && !typed.dateComplete()) return false;
        return DateTextCodec::isColon(gap) || !codec.isDateSeparator(gap) || typed.dateComplete();
    }
    if (i + 1 < pieces.size() && pieces[i + 1].marksTime() && trimmed(gap).empty()) return markerMakesHour(pieces, i, codec);
    return !trimmed(gap).empty() && codec.isHourWord(gap);
}

// A day-half marker or day period counts next to the time: the locale's own before or after it,
// "AM"/"PM" of any locale only right after it. "noon" and "midnight" may stand alone.
Status readMarker(const DatePieces& pieces, std::size_t w, const DateTextCodec& codec, TypedDate& typed) {
    const WordMeaning& meaning = pieces[w].meaning;
    const bool after = typed.timeCount != 0 && w == typed.timeLast + 1;
    const bool before = typed.timeCount != 0 && w + 1 == typed.timeFirst;
    const std::string_view gap = after ? trimmed(pieces.gapBefore(w)) : std::string_view{};
    const bool exactHour = meaning.period != 0 && codec.period(meaning.period).exactHour >= 0;
    const bool timeSaid = typed.dayHalf != 0 || typed.period != 0;
    if (timeSaid && (after || before)) {
        return refusal(DatePieceFault::TimeOfDayTwice, pieces.typedTextOf(w), codec);
    } else if (meaning.dayHalf != 0 && (codec.dayHalfBeforeHour() ? before : after)) {
        typed.dayHalf = meaning.dayHalf;
    } else if (meaning.anyDayHalf != 0 && after && gap.find_first_not_of('.') == std::string_view::npos) {
        typed.dayHalf = meaning.anyDayHalf;
    } else if (meaning.period != 0 && ((codec.periodBeforeHour() ? before : after) || (after && exactHour) ||
                                       (typed.timeCount == 0 && exactHour))) {
        typed.period = meaning.period;
    } else if (meaning.era != 0 && typed.era == 0) {  // Arabic "م" is after noon and the Christian era
        typed.era = meaning.era;
    } else {
        return refusal(DatePieceFault::DayHalfAwayFromTime, pieces.typedTextOf(w), codec);
    }
    return done();
}

// Reads the pieces in order, up to the first that has no place; the markers of the time of day
// last, once the time's place is known.
class PieceReader {
public:
    PieceReader(const DatePieces& pieces, const DateTextCodec& codec) : pieces_(pieces), codec_(codec) {}

    Result<TypedDate> read() {
        for (std::size_t i = 0; i < pieces_.size();) i = readPiece(i) + 1;
        for (std::size_t m = 0; m < markerCount_ && status_; ++m) status_ = readMarker(pieces_, markers_[m], codec_, typed_);
        if (!status_) return status_.failure();
        return typed_;
    }

private:
    // The last piece read with the one at i; past the last piece once one is refused.
    std::size_t readPiece(std::size_t i) {
        const DatePiece& piece = pieces_[i];
        if (!piece.isNumber) {
            readWord(i);
            if (piece.meaning.month != 0 || piece.meaning.calendarMonth != 0) lastDatePiece_ = i;
            return status_ ? i : stopped();
        }
        if (piece.afterW) return readWeek(i);
        if (startsOffset(i)) return readOffset(i);
        if (isMinus(pieces_, i)) return stop(refusal(DatePieceFault::MinusSign, pieces_.typedTextOf(i), codec_));
        if (typed_.timeCount == 0 && startsTime(pieces_, i, typed_, codec_)) return readTime(i);
        if (isDayOfYear(i)) {
            typed_.dayOfYear = piece.value;
        } else if (typed_.dateCount == 3) {
            return stop(refusal(DateTextFault::TooManyNumbers, codec_));
        } else {
            if (typed_.dateCount != 0 && !codec_.isOwnDateSeparator(pieces_.gapBefore(i))) typed_.foreignSeparators = true;
            typed_.dateNumbers[typed_.dateCount++] = DateNumber{piece.value, piece.digits};
        }
        lastDatePiece_ = i;
        return i;
    }

    // Three digits after a year of four and a hyphen: ISO 8601's day of the year, as in the
    // CCSDS time codes ("2026-063T18:00:00Z").
    [[nodiscard]] bool isDayOfYear(std::size_t i) const {
        return pieces_[i].digits == 3 && typed_.dateCount == 1 && typed_.dateNumbers[0].digits == 4 && !typed_.dayOfYear &&
               typed_.month == 0 && lastDatePiece_ + 1 == i && pieces_.gapBefore(i) == "-";
    }

    // A week after the year: "W50-3", or "W503" with the day glued on.
    std::size_t readWeek(std::size_t i) {
        const DatePiece& week = pieces_[i];
        if (typed_.dateCount != 1 || lastDatePiece_ + 1 != i || typed_.isoWeek || typed_.dayOfYear) {
            return stop(refusal(DatePieceFault::OutOfPlace, pieces_.typedTextOf(i), codec_));
        }
        const bool dayApart = week.digits == 2 && i + 1 < pieces_.size() && pieces_[i + 1].isNumber &&
                              pieces_[i + 1].digits == 1 && pieces_.gapAfter(i) == "-";
        if (week.digits != 3 && !dayApart) return stop(refusal(DateTextFault::WeekWithoutDay, codec_));
        typed_.isoWeek = week.digits == 3 ? week.value / 10 : week.value;
        typed_.isoWeekday = week.digits == 3 ? week.value % 10 : pieces_[++i].value;
        lastDatePiece_ = i;
        return i;
    }

    std::size_t stopped() const { return pieces_.size(); }
    std::size_t stop(Failure refusal) {
        status_ = std::move(refusal);
        return stopped();
    }

    // A sign before a number begins an offset from UT right after a time, after a name of UT
    // ("UTC+05:30", "GMT+1"), or after a whole date without a time, as ISO 8601 writes it there
    // ("+01", "+01:00", "-0500"): midnight in that zone. A sign before one digit after a date
    // stays a sign ("-7:23" is no time of day).
    [[nodiscard]] bool startsOffset(std::size_t i) const {
        if (typed_.offsetMinutes || i == 0 || signOf(pieces_.gapBefore(i)) == 0) return false;
        if (pieces_[i - 1].meaning.zone) return true;
        if (typed_.timeCount != 0) return i == typed_.timeLast + 1;
        const std::size_t digits = pieces_[i].digits;
        return typed_.dateComplete() && i == lastDatePiece_ + 1 && (digits == 2 || digits == 4);
    }

    // A joining word spelled as a day-half word is that word right after a time: German "am" joins
    // "am 8.12.2026", yet "12:30 AM" is half past midnight.
    [[nodiscard]] bool dayHalfAfterTime(std::size_t i) const {
        const WordMeaning& meaning = pieces_[i].meaning;
        return (meaning.dayHalf != 0 || meaning.anyDayHalf != 0) && typed_.timeCount != 0 && i == typed_.timeLast + 1;
    }

    // Where a word can be several things, a month comes first, then text of the patterns, then
    // a marker of the time of day, a weekday, an era, a name of UT; a month name that turns out
    // to be followed by another month name was a weekday (Breton "Meurzh" is March and Tuesday).
    void readWord(std::size_t i) {
        const WordMeaning& meaning = pieces_[i].meaning;
        if (meaning.month != 0 && typed_.month == 0) {
            typed_.month = meaning.month;
            monthAsWeekday_ = meaning.weekday;
        } else if (meaning.month != 0 && monthAsWeekday_ != 0 && typed_.weekday == 0) {
            typed_.month = meaning.month;
            typed_.weekday = monthAsWeekday_;
            monthAsWeekday_ = 0;
        } else if (meaning.calendarMonth != 0 && typed_.month == 0) {
            typed_.month = meaning.calendarMonth;
            typed_.monthCalendar = meaning.monthCalendar;
        } else if (meaning.literal && !dayHalfAfterTime(i)) {
            return;
        } else if ((pieces_[i].marksTime() || dayHalfAfterTime(i)) && markerCount_ < markers_.size()) {
            markers_[markerCount_++] = i;
        } else if (meaning.weekday != 0 && typed_.weekday == 0) {
            typed_.weekday = meaning.weekday;
        } else if (meaning.era != 0 && typed_.era == 0) {
            typed_.era = meaning.era;
        } else if (meaning.zoneOffset && !typed_.zone && !typed_.offsetMinutes) {
            typed_.zone = true;
            typed_.offsetMinutes = pieces_[i].value;
        } else if (meaning.zone && !typed_.zone) {
            typed_.zone = true;
        } else {
            status_ = refusal(DatePieceFault::OutOfPlace, pieces_.typedTextOf(i), codec_);
        }
    }

    std::size_t readTime(std::size_t i) {
        typed_.timeFirst = i;
        typed_.timeNumbers[typed_.timeCount++] = pieces_[i].value;
        while (typed_.timeCount < 3 && timeSeparatorFollows(pieces_, i, codec_)) {
            typed_.timeNumbers[typed_.timeCount++] = pieces_[++i].value;
        }
        const std::string_view gap = i + 1 < pieces_.size() ? pieces_.gapAfter(i) : std::string_view{};
        if (typed_.timeCount == 3 && (gap == "." || gap == ",") && pieces_[i + 1].isNumber) {
            ++i;
            typed_.fraction = fractionOf(pieces_[i]);
        }
        typed_.timeLast = i;
        return i;
    }

    // "+01:00", "+0100", "-05" after a time or a name of UT.
    std::size_t readOffset(std::size_t i) {
        const int sign = signOf(pieces_.gapBefore(i));
        int hour = pieces_[i].value;
        int minute = 0;
        if (pieces_[i].digits == 4) {
            minute = hour % 100;
            hour /= 100;
        } else if (pieces_[i].digits > 2) {
            return stop(refusal(DatePieceFault::NoOffset, pieces_.typedTextOf(i), codec_));
        } else if (i + 1 < pieces_.size() && pieces_[i + 1].isNumber && pieces_.gapAfter(i) == ":") {
            minute = pieces_[++i].value;
        }
        if (hour > 14 || minute > 59) return stop(refusal(DateTextFault::OffsetBeyondZones, codec_));
        typed_.offsetMinutes = sign * (hour * 60 + minute);
        return i;
    }

    const DatePieces& pieces_;
    const DateTextCodec& codec_;
    TypedDate typed_;
    unsigned monthAsWeekday_ = 0;
    std::size_t lastDatePiece_ = 0;
    std::array<std::size_t, 2> markers_{};
    std::size_t markerCount_ = 0;
    Status status_ = done();
};

}  // namespace

Result<TypedDate> typedDateOf(const DatePieces& pieces, const DateTextCodec& codec) { return PieceReader(pieces, codec).read(); }

}  // namespace skyanchor
