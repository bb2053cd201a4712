#include "orbit/ground_longitude.hpp"

#include "orbit/sync_orbit.hpp"
#include "orbit/units.hpp"

#include <cmath>
#include <numbers>

namespace skyanchor {
namespace {

constexpr double kRadian = kHalfTurn / std::numbers::pi;

double turnFraction(double turns) { return turns - std::floor(turns); }

// An angle in [0, 360).
double fullTurn(double degrees) {
    double wrapped = std::fmod(degrees, kDegreesPerTurn);
    if (wrapped < 0.0) wrapped += kDegreesPerTurn;
    return wrapped < kDegreesPerTurn ? wrapped : 0.0;
}

// An angle in (-180, 180]: half a turn West is named East.
double halfTurns(double degrees) {
    const double wrapped = std::remainder(degrees, kDegreesPerTurn);
    return wrapped <= -kHalfTurn ? wrapped + kDegreesPerTurn : wrapped;
}

}  // namespace

double siderealAngle(double mjd, double sidRotOffset) {
    const double annualTurns = (mjd - kRotationEpochMjd) * kAnnualMultiplier / kAnnualDivisor;
    const double timeOfDay = turnFraction(mjd) - kHalfDay;
    return fullTurn(sidRotOffset + turnFraction(annualTurns) * kDegreesPerTurn + timeOfDay * kDegreesPerTurn);
}

// The equator's axes in the lines' frame: the first along the equinox, in the lines' xy plane; the
// second a quarter turn East in the equator, tilted by the obliquity below that plane at planetLan 0.
double equatorialAngle(const StateVector& position, const BodyOrientation& body) {
    const double cosLan = std::cos(body.planetLan / kRadian);
    const double sinLan = std::sin(body.planetLan / kRadian);
    const double cosTilt = std::cos(body.obliquity / kRadian);
    const double sinTilt = std::sin(body.obliquity / kRadian);
    const double alongEquinox = position.x * cosLan + position.y * sinLan;
    const double quarterEast = (position.y * cosLan - position.x * sinLan) * cosTilt - position.z * sinTilt;
    return fullTurn(std::atan2(quarterEast, alongEquinox) * kRadian);
}

double longitudeOver(double equatorialAngle, double siderealAngle) { return halfTurns(equatorialAngle - siderealAngle); }

double groundLongitude(const StateVector& position, double mjd, const BodyOrientation& body) {
    return longitudeOver(equatorialAngle(position, body), siderealAngle(mjd, body.sidRotOffset));
}

}  // namespace skyanchor
