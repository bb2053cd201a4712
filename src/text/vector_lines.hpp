#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace skyanchor {

// A position or a velocity in a right-handed frame.
struct Components {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
};

// The two scenario lines: "RPOS x z y" in metres and "RVEL vx vz vy" in metres per second.
struct VectorLines {
    std::string rpos;
    std::string rvel;
};

[[nodiscard]] VectorLines buildVectorLines(const Components& position, const Components& velocity);

// The position an RPOS line states, read back from its text; none for a text that is no such line.
[[nodiscard]] std::optional<Components> positionOfLine(std::string_view rposLine);

}  // namespace skyanchor
