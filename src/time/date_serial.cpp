#include "time/date_serial.hpp"

#include "base/failure.hpp"

#include <cmath>

namespace skyanchor {
namespace {

using std::chrono::days;
using std::chrono::seconds;

constexpr long long kSecondsPerDay = 86400;
constexpr double kSecondsPerDayDouble = 86400.0;
constexpr long long kLastDay = static_cast<long long>(kSerialUpperBound) - 1;

double checkedSerial(double serial) {
    if (!(serial > kSerialLowerBound && serial < kSerialUpperBound)) throw Failure(FailureNumber::Overflow);
    return serial;
}

// The day of a serial: its integer part, truncated toward zero.
long long serialDay(double serial) { return static_cast<long long>(std::trunc(serial)); }

// A serial's instant as days since 30 December 1899 on one straight time line. Before that day a
// serial's fraction still counts forward from its day's midnight (-1.25 is 29 December, 06:00),
// so the serial itself is not such a count: the MJD, which is, must be taken from the instant.
double daysOnTheLine(double serial) {
    const double day = std::trunc(serial);
    return day + std::abs(serial - day);
}

double serialOfDaysOnTheLine(double onTheLine) {
    const double day = std::floor(onTheLine);
    const double timeOfDay = onTheLine - day;
    return day < 0.0 ? day - timeOfDay : day + timeOfDay;
}

}  // namespace

double serialFromCivil(const CivilDateTime& civil) {
    const long long day = (std::chrono::sys_days{civil.date} - kSerialEpoch).count();
    const double fraction = static_cast<double>(civil.timeOfDay.count()) / kSecondsPerDayDouble;
    return day < 0 ? static_cast<double>(day) - fraction : static_cast<double>(day) + fraction;
}

CivilDateTime civilFromSerial(double serial) {
    long long day = serialDay(checkedSerial(serial));
    long long second = std::llround(std::abs(serial - static_cast<double>(day)) * kSecondsPerDayDouble);
    if (second == kSecondsPerDay) {
        if (day < kLastDay) {
            ++day;
            second = 0;
        } else {
            second = kSecondsPerDay - 1;
        }
    }
    return CivilDateTime{.date = std::chrono::year_month_day{kSerialEpoch + days{day}}, .timeOfDay = seconds{second}};
}

// The serial itself must name a day of the range; its MJD is then always representable.
double mjd(double serial) { return daysOnTheLine(checkedSerial(serial)) + kMjdOfSerialZero; }

double dateFromMjd(double modifiedJulianDate) {
    return checkedSerial(serialOfDaysOnTheLine(modifiedJulianDate - kMjdOfSerialZero));
}

}  // namespace skyanchor
