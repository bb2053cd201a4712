#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace skyanchor {

// The selector's entries, in the order they are listed. Only "Earth" and "Sun" carry values.
inline constexpr std::array<std::string_view, 11> kCentralBodyNames = {
    "Sun", "Mercury", "Venus", "Earth", "Mars", "Jupiter", "Saturn", "Uranus", "Neptune", "Pluto", "Earth's Moon",
};

// The window-level numbers the orbit computations share.
struct BodyConstants {
    double pi = 0.0;
    double gravConst = 0.0;         // m^3 kg^-1 s^-2
    std::int32_t massFactor = 0;    // central body's mass in Earth masses
    std::int32_t bodyRadius = 0;    // kilometres; kept for the body, read by no computation
};

// pi = 4 atan(1), G = 6.672e-11 and the Earth as central body.
[[nodiscard]] BodyConstants startConstants();

// "Earth" and "Sun" (exact, case-sensitive) set the mass factor and radius; any other name
// leaves both as they were.
void selectBody(std::string_view name, BodyConstants& constants);

}  // namespace skyanchor
