#pragma once

#include "base/result.hpp"
#include "time/date_pieces.hpp"
#include "time/date_text_codec.hpp"

#include <array>
#include <chrono>
#include <cstddef>
#include <optional>

namespace skyanchor {

// A number of a date as typed: a year of two digits is read otherwise than one of four.
struct DateNumber {
    int value;
    std::size_t digits;
};

// What the pieces of a text say, each in its place: the numbers of the date and of the time,
// and the words beside them, not yet checked against a calendar or a clock.
struct TypedDate {
    std::array<DateNumber, 3> dateNumbers{};
    std::size_t dateCount = 0;
    int month = 0;
    int monthCalendar = 0;  // the month named is of one of the codec's other calendars
    unsigned weekday = 0;
    int era = 0;
    std::array<int, 3> timeNumbers{};
    std::size_t timeCount = 0;
    std::chrono::microseconds fraction{0};  // of a second
    std::size_t timeFirst = 0;
    std::size_t timeLast = 0;
    int dayHalf = 0;
    int period = 0;
    bool zone = false;
    std::optional<int> offsetMinutes;
    // ISO 8601's days by number after the year: of the year ("2026-063"), or a week and its day
    // ("2026-W50-3").
    std::optional<int> dayOfYear;
    std::optional<int> isoWeek;
    int isoWeekday = 0;
    // The numbers of the date are parted otherwise than the locale's own patterns part them
    // ("04.03.2026" in the United States): they may be in another locale's order.
    bool foreignSeparators = false;

    [[nodiscard]] bool dateComplete() const {
        return dateCount == 3 || (month != 0 && dateCount == 2) || dayOfYear || isoWeek;
    }
};

// The pieces of a text cut whole, each given its place, or why one has none: a word out of place
// or said twice, a sign before a number, a day-half word away from the time, an offset from UT
// that is none.
[[nodiscard]] Result<TypedDate> typedDateOf(const DatePieces& pieces, const DateTextCodec& codec);

}  // namespace skyanchor
