#pragma once

#include "base/result.hpp"
#include "orbit/central_bodies.hpp"

namespace skyanchor {

// Beyond these magnitudes adjacent doubles lie more than a second apart, so the number typed no
// longer names one instant or one place. An MJD below 2^36 days is held to 2^-17 day (0.66 s) or
// better, from 2^36 on to 2^-16 day (1.3 s); a longitude below 2^41 degrees to 2^-12 degree
// (0.88 arcseconds) or better, from 2^41 on to 2^-11 degree (1.8 arcseconds).
inline constexpr double kMjdLimit = 0x1p36;        // 68719476736 days
inline constexpr double kLongitudeLimit = 0x1p41;  // 2199023255552 degrees

// The body's rotation as the orbit follows it: the Sun's annual motion since the epoch, at a fixed
// multiplier (not the period field's value) over the divisor, and the time of day from noon.
inline constexpr double kRotationEpochMjd = 51544.5;
inline constexpr double kAnnualMultiplier = 86164.09;
inline constexpr double kAnnualDivisor = 31470690.0;

// Whether a value lies inside such a limit, where a second still tells.
[[nodiscard]] bool carriesSeconds(double value, double limit);

// The circular equatorial orbit whose period is the body's rotation and which stands over a
// longitude at an instant, in three steps that each may fail; a step leaving the double range is
// an Overflow.

// Its semi-major axis in kilometres, from the rotational period (seconds) and the mass
// (kilograms). InvalidArgument for a negative period or mass.
[[nodiscard]] Result<double> syncSemiMajorAxis(double rotationalPeriod, double mass, const BodyConstants& body);

// Its ascending node in degrees: the body's own, plus half a turn.
[[nodiscard]] Result<double> syncAscendingNode(double planetLan);

// Where and when the satellite stands: the body's rotation offset (degrees), the MJD and the
// longitude (degrees, East positive; West turns it round).
struct SyncInstant {
    double sidRotOffset = 0.0;
    double mjd = 0.0;
    double longitude = 0.0;
    bool west = false;
};

// Its mean anomaly in degrees. Overflow also for an MJD or a longitude beyond its limit above.
[[nodiscard]] Result<double> syncMeanAnomaly(const SyncInstant& instant);

}  // namespace skyanchor
