#pragma once

#include <string>

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

}  // namespace skyanchor
