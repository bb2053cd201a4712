#pragma once

#include "form/form1_model.hpp"
#include "orbit/kepler.hpp"
#include "orbit/sync_orbit.hpp"
#include "test_locales.hpp"
#include "text/number_text.hpp"
#include "text/vector_lines.hpp"

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace skyanchor::test {

inline constexpr double kStartSerial = 46364.30810185185;  // 8 December 2026, 07:23:40
inline constexpr double kOneSecond = 1.0 / 86400.0;

class FakeClipboard final : public Clipboard {
public:
    void clear() override {
        operations.push_back("clear");
        text.clear();
    }
    Status setText(const std::string& newText) override {
        if (refuses) return Failure(FailureNumber::ClipboardUnavailable);
        operations.push_back("set");
        text = newText;
        return done();
    }
    std::vector<std::string> operations;
    std::string text = "held before";
    bool refuses = false;
};

// A clock whose readings are one second apart from the start instant, a clipboard the test can
// look into, and the United States' date conventions.
struct FakeServices {
    int clockReadings = 0;
    std::shared_ptr<FakeClipboard> clipboard = std::make_shared<FakeClipboard>();
    NumberConventions numbers;

    FormServices services() {
        return FormServices{
            .readClock = [this] { return kStartSerial + kOneSecond * clockReadings++; },
            .clipboard = clipboard,
            .dateLocale = kUnitedStates,
            .numbers = numbers,
        };
    }
};

// What Compute and Generate give for the form's fields as they stand, worked out from the orbit
// functions alone, through the elements' 15-digit texts; nothing when Compute fails for them.
inline std::optional<std::vector<std::string>> linesOfFields(const Form1Model& form) {
    const auto number = [&](Control field) { return parseLeadingNumber(form.text(field)); };
    const auto asWritten = [](double element) { return parseLeadingNumber(formatNumber(element)).valueOr(0.0); };
    const BodyConstants& body = form.bodyConstants();
    const Result<double> period = number(Control::txtRotationalPeriod), mass = number(Control::txtMass),
                         lan = number(Control::txtPlanetLAN), offset = number(Control::txtSidRotOffset),
                         mjd = number(Control::txtMJD), longitude = number(Control::txtLongitude);
    if (!period || !mass || !lan || !offset || !mjd || !longitude) return std::nullopt;
    const Result<double> axis = syncSemiMajorAxis(*period, *mass, body), node = syncAscendingNode(*lan),
                         anomaly = syncMeanAnomaly({*offset, *mjd, *longitude, form.isWest()});
    if (!axis || !node || !anomaly) return std::nullopt;
    const StateVector s = generateVectors({asWritten(*axis), number(Control::txtEccentricity).valueOr(0.0),
                                           number(Control::txtObliquity).valueOr(0.0),
                                           number(Control::txtArgumentOfPerapsis).valueOr(0.0), asWritten(*node), asWritten(*anomaly)},
                                          body.pi, static_cast<double>(body.massFactor));
    const VectorLines lines = buildVectorLines({s.x, s.y, s.z}, {s.vx, s.vy, s.vz});
    return std::vector<std::string>{lines.rpos, lines.rvel};
}

}  // namespace skyanchor::test
