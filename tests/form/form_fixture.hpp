#pragma once

#include "base/failure.hpp"
#include "form/form1_model.hpp"
#include "orbit/generate.hpp"
#include "orbit/sync_orbit.hpp"
#include "test_locales.hpp"

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
    void setText(const std::string& newText) override {
        if (refuses) throw Failure(FailureNumber::ClipboardUnavailable);
        operations.push_back("set");
        text = newText;
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
// functions alone; nothing when Compute fails for them.
inline std::optional<std::vector<std::string>> linesOfFields(const Form1Model& form) {
    const auto text = [&](Control field) { return form.text(field); };
    std::array<std::string, 4> elements = {text(Control::txtSMA), text(Control::txtInclination), text(Control::txtLan),
                                           text(Control::txtMA)};
    try {
        computeSyncElements({text(Control::txtRotationalPeriod), text(Control::txtMass), text(Control::txtObliquity),
                             text(Control::txtPlanetLAN), text(Control::txtSidRotOffset), text(Control::txtMJD),
                             text(Control::txtLongitude), form.isWest()},
                            form.bodyConstants().pi, form.bodyConstants().gravConst,
                            [&](SyncElement element, std::string_view written) {
                                elements[static_cast<std::size_t>(element)] = std::string(written);
                            });
    } catch (const Failure&) {
        return std::nullopt;
    }
    const VectorLines lines = generateLines({elements[0], text(Control::txtEccentricity), elements[1],
                                             text(Control::txtArgumentOfPerapsis), elements[2], elements[3]},
                                            form.bodyConstants().pi, static_cast<double>(form.bodyConstants().massFactor));
    return std::vector<std::string>{lines.rpos, lines.rvel};
}

}  // namespace skyanchor::test
