#include "form/controls.hpp"

namespace skyanchor {

std::string_view nameOf(Control control) {
    static constexpr std::array<std::string_view, kControlCount> kNames = {
        "txtLongitude", "optEast",  "optWest",  "txtDateandTime", "txtMJD", "List1", "Command4", "Command2",
        "Command5",     "txtSMA",   "txtInclination", "txtEccentricity", "txtArgumentOfPerapsis", "txtLan", "txtMA",
        "Command1",     "Command3", "txtrpos",  "txtrvel", "txtRotationalPeriod", "txtObliquity", "txtPlanetLAN",
        "txtMass",      "txtSidRotOffset", "Combo1",
    };
    return kNames[indexOf(control)];
}

}  // namespace skyanchor
