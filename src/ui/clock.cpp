#include "ui/clock.hpp"

#include "time/date_serial.hpp"

#include <QDateTime>

namespace skyanchor {

double readClockSerial() {
    using namespace std::chrono;
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const QDate date = now.date();
    const QTime time = now.time();
    return serialFromCivil(CivilDateTime{
        .date = year{date.year()} / month{static_cast<unsigned>(date.month())} / day{static_cast<unsigned>(date.day())},
        .timeOfDay = hours{time.hour()} + minutes{time.minute()} + seconds{time.second()},
    });
}

}  // namespace skyanchor
