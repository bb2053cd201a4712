#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace skyanchor {

// The window's controls by their names; the first nine are shown, the rest exist only as data.
enum class Control : std::size_t {
    txtLongitude,
    optEast,
    optWest,
    txtDateandTime,
    txtMJD,
    List1,
    Command4,
    Command2,
    Command5,
    txtSMA,
    txtInclination,
    txtEccentricity,
    txtArgumentOfPerapsis,
    txtLan,
    txtMA,
    Command1,
    Command3,
    txtrpos,
    txtrvel,
    txtRotationalPeriod,
    txtObliquity,
    txtPlanetLAN,
    txtMass,
    txtSidRotOffset,
    Combo1,
};

inline constexpr std::size_t kControlCount = static_cast<std::size_t>(Control::Combo1) + 1;

[[nodiscard]] constexpr std::size_t indexOf(Control control) { return static_cast<std::size_t>(control); }

[[nodiscard]] constexpr bool isShown(Control control) { return indexOf(control) <= indexOf(Control::Command5); }

[[nodiscard]] std::string_view nameOf(Control control);

}  // namespace skyanchor
