#include "time/date_serial.hpp"
#include "ui/clock.hpp"

#include <QDateTime>

#include <gtest/gtest.h>

#include <cmath>

namespace skyanchor {
namespace {

// The clock gives the local wall-clock time to the whole second, not UTC and not finer.
TEST(Clock, ReadsTheLocalTimeToTheWholeSecond) {
    const QDateTime before = QDateTime::currentDateTime();
    const CivilDateTime reading = civilFromSerial(readClockSerial());
    const QDateTime read(QDate(static_cast<int>(reading.date.year()), static_cast<int>(static_cast<unsigned>(reading.date.month())),
                               static_cast<int>(static_cast<unsigned>(reading.date.day()))),
                         QTime(0, 0).addSecs(static_cast<int>(reading.timeOfDay.count())));
    EXPECT_LE(std::abs(before.secsTo(read)), 2);

    const double serial = readClockSerial();
    const double seconds = (serial - std::floor(serial)) * 86400.0;
    EXPECT_NEAR(seconds, std::round(seconds), 1e-4);
}

}  // namespace
}  // namespace skyanchor
