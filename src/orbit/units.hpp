#pragma once

namespace skyanchor {

// The units the orbit's numbers change between: degrees of a turn, days, kilometres.
inline constexpr double kDegreesPerTurn = 360.0;
inline constexpr double kHalfTurn = 180.0;
inline constexpr double kHalfDay = 0.5;
inline constexpr double kMetresPerKilometre = 1000.0;

}  // namespace skyanchor
