#include "ui/clock.hpp"

#include <QDateTime>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <ctime>
#include <string>

namespace skyanchor {
namespace {

constexpr double kSerialOfUnixEpoch = 25569.0;  // 1 January 1970

class ClockInZone : public testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        savedZone = qgetenv("TZ");
        qputenv("TZ", GetParam());
        tzset();
    }
    void TearDown() override {
        qputenv("TZ", savedZone);
        tzset();
    }
    QByteArray savedZone;
};

// The clock gives the present instant in UT to the whole second, whatever the local zone.
TEST_P(ClockInZone, ReadsUtcToTheWholeSecond) {
    const auto utcSerialNow = [] { return static_cast<double>(QDateTime::currentSecsSinceEpoch()) / 86400.0 + kSerialOfUnixEpoch; };
    const double before = utcSerialNow();
    const double serial = readClockSerial();
    const double after = utcSerialNow();
    EXPECT_GE(serial, before - 1e-9);
    EXPECT_LE(serial, after + 1e-9);
    const double seconds = (serial - std::floor(serial)) * 86400.0;
    EXPECT_NEAR(seconds, std::round(seconds), 1e-4);
}

INSTANTIATE_TEST_SUITE_P(Zones, ClockInZone, testing::Values("America/New_York", "Pacific/Kiritimati", "Asia/Kolkata", "UTC"),
                         [](const testing::TestParamInfo<const char*>& zone) {
                             std::string name = zone.param;
                             for (char& character : name) {
                                 if (character == '/') character = '_';
                             }
                             return name;
                         });

}  // namespace
}  // namespace skyanchor
