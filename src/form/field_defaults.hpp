#pragma once

#include <string_view>

namespace skyanchor::field_defaults {

// The texts the window's fields start with. The central body's fields are never shown, so these
// are the Earth's values every computation reads; the scripting mode starts from the same texts.
inline constexpr std::string_view kLongitude = "122";
inline constexpr std::string_view kDateandTime = "";
inline constexpr std::string_view kMjd = "51544.5";
inline constexpr std::string_view kSemiMajorAxis = "";
inline constexpr std::string_view kInclination = "23.5";            // degrees
inline constexpr std::string_view kEccentricity = "0";
inline constexpr std::string_view kArgumentOfPeriapsis = "0";       // degrees
inline constexpr std::string_view kLan = "0";                       // degrees
inline constexpr std::string_view kMeanAnomaly = "0";               // degrees
inline constexpr std::string_view kRposField = "Text1";
inline constexpr std::string_view kRvelField = "Text2";
inline constexpr std::string_view kRotationalPeriod = "86164.09";   // seconds
inline constexpr std::string_view kMass = "5.973698968E+24";        // kilograms
inline constexpr std::string_view kObliquity = "23.45";             // degrees
inline constexpr std::string_view kPlanetLan = "0";                 // degrees
inline constexpr std::string_view kSidRotOffset = "280.497218184246";  // degrees
inline constexpr std::string_view kBody = "Earth";                  // the body selector's text

}  // namespace skyanchor::field_defaults
