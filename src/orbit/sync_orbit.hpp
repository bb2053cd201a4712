#pragma once

#include "text/number_text.hpp"

#include <functional>
#include <string_view>

namespace skyanchor {

// The texts Compute reads: the central body's parameter fields, the MJD and the longitude.
struct SyncInputs {
    std::string_view rotationalPeriod;  // seconds
    std::string_view mass;              // kilograms
    std::string_view obliquity;         // degrees, copied as text
    std::string_view planetLan;         // degrees
    std::string_view sidRotOffset;      // degrees
    std::string_view mjd;               // days
    std::string_view longitude;         // degrees, East positive
    bool west = false;
};

// Beyond these magnitudes adjacent doubles lie more than a second apart, so the number typed no
// longer names one instant or one place. An MJD below 2^36 days is held to 2^-17 day (0.66 s) or
// better, from 2^36 on to 2^-16 day (1.3 s); a longitude below 2^41 degrees to 2^-12 degree
// (0.88 arcseconds) or better, from 2^41 on to 2^-11 degree (1.8 arcseconds).
inline constexpr double kMjdLimit = 0x1p36;        // 68719476736 days
inline constexpr double kLongitudeLimit = 0x1p41;  // 2199023255552 degrees

// Whether a value lies inside such a limit, where a second still tells.
[[nodiscard]] bool carriesSeconds(double value, double limit);

enum class SyncElement { SemiMajorAxis, Inclination, AscendingNode, MeanAnomaly };

// Receives each element text as soon as it is formed, so that a later failing step leaves the
// earlier ones written.
using SyncElementWriter = std::function<void(SyncElement, std::string_view)>;

// Derives the circular equatorial orbit whose period is the body's rotation and which stands over
// the longitude at the MJD, and writes semi-major axis (km), inclination, node and mean anomaly
// (degrees) in that order. Throws Failure: InvalidArgument for a negative period or mass,
// Overflow when a step leaves the double range or the MJD or the longitude lies beyond its limit
// above. The MJD and longitude are read as typed, in the user's conventions; the body's fields
// keep ".".
void computeSyncElements(const SyncInputs& inputs, double pi, double gravConst, const SyncElementWriter& write,
                         NumberConventions typed = {});

}  // namespace skyanchor
