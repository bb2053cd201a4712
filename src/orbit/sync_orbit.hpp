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

enum class SyncElement { SemiMajorAxis, Inclination, AscendingNode, MeanAnomaly };

// Receives each element text as soon as it is formed, so that a later failing step leaves the
// earlier ones written.
using SyncElementWriter = std::function<void(SyncElement, std::string_view)>;

// Derives the circular equatorial orbit whose period is the body's rotation and which stands over
// the longitude at the MJD, and writes semi-major axis (km), inclination, node and mean anomaly
// (degrees) in that order. Throws Failure: InvalidArgument for a negative period or mass,
// Overflow when a step leaves the double range. The MJD and longitude are read as typed, in the
// user's conventions; the body's fields keep ".".
void computeSyncElements(const SyncInputs& inputs, double pi, double gravConst, const SyncElementWriter& write,
                         NumberConventions typed = {});

}  // namespace skyanchor
