#pragma once

#include "orbit/state.hpp"

namespace skyanchor {

// Where a state vector stands over the body, read back from the vector alone: an independent check
// of the lines against the longitude they were meant for. Angles in degrees.

// How the body's equator lies in the lines' frame and where its prime meridian starts, as the
// body's fields give them.
struct BodyOrientation {
    double obliquity = 0.0;     // the equator's tilt to the lines' xy plane (the elements' inclination)
    double planetLan = 0.0;     // where the equator crosses that plane southward (the node is half a turn on)
    double sidRotOffset = 0.0;  // the prime meridian's angle at the rotation epoch
};

// The prime meridian's angle East of the equinox at an MJD, in [0, 360): the offset, the Sun's
// annual motion since the epoch and the time of day, as the orbit turns with them.
[[nodiscard]] double siderealAngle(double mjd, double sidRotOffset);

// The position's angle in the body's equator East of the equinox (the equator's crossing at
// planetLan), in [0, 360). The position is in the lines' frame, in any unit.
[[nodiscard]] double equatorialAngle(const StateVector& position, const BodyOrientation& body);

// The longitude below an equatorial angle when the prime meridian stands at the sidereal angle,
// East positive, in (-180, 180].
[[nodiscard]] double longitudeOver(double equatorialAngle, double siderealAngle);
// The longitude below the position at an MJD, East positive, in (-180, 180].
[[nodiscard]] double groundLongitude(const StateVector& position, double mjd, const BodyOrientation& body);

}  // namespace skyanchor
