#include "orbit/central_bodies.hpp"
#include "orbit/ground_longitude.hpp"
#include "orbit/kepler.hpp"
#include "orbit/sync_orbit.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace skyanchor {
namespace {

const BodyConstants kEarth = startConstants();
constexpr BodyOrientation kEarthOrientation{.obliquity = 23.45, .planetLan = 0.0, .sidRotOffset = 280.497218184246};

// The position the window computes for a longitude (East positive) at an MJD.
StateVector syncPosition(double mjd, double longitude, const BodyOrientation& body) {
    const SyncInstant instant{.sidRotOffset = body.sidRotOffset, .mjd = mjd, .longitude = longitude, .west = false};
    const OrbitalElements elements{.semiMajorAxis = syncSemiMajorAxis(86164.09, 5.973698968E+24, kEarth).value(),
                                   .inclination = body.obliquity,
                                   .ascendingNode = syncAscendingNode(body.planetLan).value(),
                                   .meanAnomaly = syncMeanAnomaly(instant).value()};
    return generateVectors(elements, kEarth.pi, kEarth.massFactor);
}

// Longitudes typed beyond a half turn come back as the place they name, half a turn West as East.
TEST(GroundLongitude, ReadsBackThePlaceTheLinesWereComputedFor) {
    const struct {
        double mjd;
        double longitude;
        BodyOrientation body;
        double readBack;
    } rows[] = {
        {51544.5, -122.0, kEarthOrientation, -122.0},
        {61103.75, -122.0, kEarthOrientation, -122.0},
        {60000.75, 0.0, kEarthOrientation, 0.0},
        {51000.0, -180.0, kEarthOrientation, 180.0},
        {51544.5, 540.0, kEarthOrientation, 180.0},
        {51544.5, 359.5, kEarthOrientation, -0.5},
        {0.0, 75.5, kEarthOrientation, 75.5},
        {58000.3, 45.0, {.obliquity = 60.0, .planetLan = 110.0, .sidRotOffset = 12.5}, 45.0},
        {58000.3, -45.0, {.obliquity = -10.0, .planetLan = -75.0, .sidRotOffset = 0.0}, -45.0},
    };
    for (const auto& row : rows) {
        const StateVector position = syncPosition(row.mjd, row.longitude, row.body);
        EXPECT_NEAR(groundLongitude(position, row.mjd, row.body), row.readBack, 1e-9) << row.mjd << ' ' << row.longitude;
    }
}

// Any place at any instant, for any tilt and crossing of the equator, comes back to a millionth of a degree.
TEST(GroundLongitude, ReadsBackAnyPlaceAtAnyInstant) {
    std::mt19937_64 random(23);
    std::uniform_real_distribution<double> mjds(-100000.0, 200000.0);
    std::uniform_real_distribution<double> angles(-180.0, 180.0);
    for (int i = 0; i < 20000; ++i) {
        const BodyOrientation body{.obliquity = angles(random) / 2.0, .planetLan = angles(random), .sidRotOffset = angles(random)};
        const double mjd = mjds(random);
        const double longitude = angles(random);
        const double error = std::remainder(groundLongitude(syncPosition(mjd, longitude, body), mjd, body) - longitude, 360.0);
        ASSERT_LT(std::abs(error), 1e-6) << mjd << ' ' << longitude;
    }
}

}  // namespace
}  // namespace skyanchor
