#pragma once

#include <string_view>

namespace skyanchor::field_defaults {

// The texts the window's fields start with. The central body's fields are never shown, so these
// are the Earth's values every computation reads; the scripting mode reads the same texts.
inline constexpr std::string_view kLongitude = "122";
inline constexpr std::string_view kRotationalPeriod = "86164.09";   // seconds
inline constexpr std::string_view kMass = "5.973698968E+24";        // kilograms
inline constexpr std::string_view kObliquity = "23.45";             // degrees
inline constexpr std::string_view kPlanetLan = "0";                 // degrees
inline constexpr std::string_view kSidRotOffset = "280.497218184246";  // degrees
inline constexpr std::string_view kEccentricity = "0";
inline constexpr std::string_view kArgumentOfPeriapsis = "0";       // degrees

}  // namespace skyanchor::field_defaults
