#include "time/date_serial.hpp"

#include "text/failure.hpp"

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
double mjd(double serial) { return checkedSerial(serial) + kMjdOfSerialZero; }

double dateFromMjd(double modifiedJulianDate) { return checkedSerial(modifiedJulianDate - kMjdOfSerialZero); }

}  // namespace skyanchor
