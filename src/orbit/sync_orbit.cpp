#include "orbit/sync_orbit.hpp"

#include "orbit/units.hpp"

#include <cmath>
#include <optional>

namespace skyanchor {
namespace {

// Every operation is checked as it is done: the first that fails names the step's failure (a
// result beyond the double range, a power of a negative number), and what follows it no longer
// counts. The arithmetic stays the one written, so the elements keep every bit.
class Checked {
public:
    double operator()(double result) {
        fail(!std::isfinite(result), FailureNumber::Overflow);
        return result;
    }
    double power(double base, double exponent) {
        fail(base < 0.0, FailureNumber::InvalidArgument);
        return (*this)(std::pow(base, exponent));
    }
    // The MJD and the longitude are refused where a second no longer tells, as a number beyond
    // the double range is: lines computed from them would belong to a neighbouring instant or place.
    double carryingSeconds(double value, double limit) {
        fail(!skyanchor::carriesSeconds(value, limit), FailureNumber::Overflow);
        return value;
    }
    [[nodiscard]] Result<double> result(double value) const {
        if (failure_) return Failure(*failure_);
        return value;
    }

private:
    void fail(bool failed, FailureNumber number) {
        if (failed && !failure_) failure_ = number;
    }

    std::optional<FailureNumber> failure_;
};

}  // namespace

bool carriesSeconds(double value, double limit) { return std::fabs(value) < limit; }

// Kepler's third law for a circular orbit: a^3 = G M T^2 / (4 pi^2).
Result<double> syncSemiMajorAxis(double rotationalPeriod, double mass, const BodyConstants& body) {
    Checked checked;
    const double p = checked.power(checked(rotationalPeriod / checked(body.pi + body.pi)), checked(2.0 / 3.0));
    const double q = checked.power(checked(mass * body.gravConst), checked(1.0 / 3.0));
    const double semiMajorAxis = checked(q * p);
    return checked.result(checked(semiMajorAxis / kMetresPerKilometre));
}

Result<double> syncAscendingNode(double planetLan) {
    Checked checked;
    return checked.result(checked(planetLan + kHalfTurn));
}

// The satellite's mean anomaly follows the body's rotation: a fixed offset, the longitude, the
// Sun's annual motion since the epoch and the time of day.
Result<double> syncMeanAnomaly(const SyncInstant& instant) {
    Checked checked;
    const double mjd = checked.carryingSeconds(instant.mjd, kMjdLimit);
    const double x = checked(checked(mjd - kRotationEpochMjd) * kAnnualMultiplier);
    const double annualAngle = checked(checked(x / kAnnualDivisor) * kDegreesPerTurn);
    const double turns = checked(annualAngle / kDegreesPerTurn);
    const double annual = checked(checked(turns - std::floor(turns)) * kDegreesPerTurn);
    const double dayFraction = checked(checked(mjd - std::floor(mjd)) - kHalfDay);

    double longitude = checked.carryingSeconds(instant.longitude, kLongitudeLimit);
    if (instant.west) longitude = -longitude;

    const double meanAnomaly = checked(
        checked(checked(checked(instant.sidRotOffset + longitude) + annual) + checked(dayFraction * kDegreesPerTurn)) + kHalfTurn);
    return checked.result(meanAnomaly);
}

}  // namespace skyanchor
