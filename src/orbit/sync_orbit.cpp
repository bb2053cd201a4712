#include "orbit/sync_orbit.hpp"

#include "base/failure.hpp"
#include "text/number_text.hpp"

#include <cmath>

namespace skyanchor {
namespace {

constexpr double kMetresPerKilometre = 1000.0;
constexpr double kEpochMjd = 51544.5;
constexpr double kAnnualMultiplier = 86164.09;  // fixed; not the period field's value
constexpr double kAnnualDivisor = 31470690.0;
constexpr double kDegreesPerTurn = 360.0;
constexpr double kHalfDay = 0.5;
constexpr double kHalfTurn = 180.0;

// Every operation is checked as it is done: a result that left the double range is an overflow.
double checked(double result) {
    if (!std::isfinite(result)) throw Failure(FailureNumber::Overflow);
    return result;
}

double checkedPower(double base, double exponent) {
    if (base < 0.0) throw Failure(FailureNumber::InvalidArgument);
    return checked(std::pow(base, exponent));
}

// The MJD and the longitude are refused where a second no longer tells, as a number beyond the
// double range is: lines computed from them would belong to a neighbouring instant or place.
double carryingSeconds(double value, double limit) {
    if (!carriesSeconds(value, limit)) throw Failure(FailureNumber::Overflow);
    return value;
}

// The node offset goes through the number text rules, as every number does on its way in.
double halfTurnFromText() { return parseLeadingNumber(formatNumber(static_cast<long long>(kHalfTurn))); }

}  // namespace

bool carriesSeconds(double value, double limit) { return std::fabs(value) < limit; }

void computeSyncElements(const SyncInputs& in, double pi, double gravConst, const SyncElementWriter& write,
                         NumberConventions typed) {
    // Kepler's third law for a circular orbit: a^3 = G M T^2 / (4 pi^2).
    const double period = parseLeadingNumber(in.rotationalPeriod);
    const double mass = parseLeadingNumber(in.mass);
    const double p = checkedPower(checked(period / checked(pi + pi)), checked(2.0 / 3.0));
    const double q = checkedPower(checked(mass * gravConst), checked(1.0 / 3.0));
    const double semiMajorAxis = checked(q * p);
    write(SyncElement::SemiMajorAxis, formatNumber(checked(semiMajorAxis / kMetresPerKilometre)));

    write(SyncElement::Inclination, in.obliquity);

    const double node = checked(parseLeadingNumber(in.planetLan) + halfTurnFromText());
    write(SyncElement::AscendingNode, formatNumber(node));

    // The satellite's mean anomaly follows the body's rotation: a fixed offset, the longitude, the
    // Sun's annual motion since the epoch and the time of day.
    const double offset = parseLeadingNumber(in.sidRotOffset);
    const double mjd = carryingSeconds(parseLeadingNumber(in.mjd, typed), kMjdLimit);
    const double x = checked(checked(mjd - kEpochMjd) * kAnnualMultiplier);
    const double annualAngle = checked(checked(x / kAnnualDivisor) * kDegreesPerTurn);
    const double turns = checked(annualAngle / kDegreesPerTurn);
    const double annual = checked(checked(turns - std::floor(turns)) * kDegreesPerTurn);
    const double dayFraction = checked(checked(mjd - std::floor(mjd)) - kHalfDay);

    double longitude = carryingSeconds(parseLeadingNumber(in.longitude, typed), kLongitudeLimit);
    if (in.west) longitude = -longitude;

    const double meanAnomaly = checked(
        checked(checked(checked(offset + longitude) + annual) + checked(dayFraction * kDegreesPerTurn)) + kHalfTurn);
    write(SyncElement::MeanAnomaly, formatNumber(meanAnomaly));
}

}  // namespace skyanchor
