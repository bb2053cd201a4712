#pragma once

#include "base/state.hpp"
#include "text/vector_lines.hpp"

#include <string_view>

namespace skyanchor {

// The six element fields' texts, as Generate reads them.
struct ElementTexts {
    std::string_view semiMajorAxis;
    std::string_view eccentricity;
    std::string_view inclination;
    std::string_view argumentOfPeriapsis;
    std::string_view ascendingNode;
    std::string_view meanAnomaly;
};

// Reads each text with the lenient number rule; a text whose number is beyond the double range
// leaves its element at 0 rather than stopping Generate.
[[nodiscard]] OrbitalElements readElements(const ElementTexts& texts);

// Generate as a whole: element texts to the two scenario lines. Never fails.
[[nodiscard]] VectorLines generateLines(const ElementTexts& texts, double pi, double massFactor);

}  // namespace skyanchor
