#pragma once

#include "base/state.hpp"

#include <string>

namespace skyanchor {

// The two scenario lines: "RPOS x z y" in metres and "RVEL vx vz vy" in metres per second.
struct VectorLines {
    std::string rpos;
    std::string rvel;
};

[[nodiscard]] VectorLines buildVectorLines(const StateVector& state);

}  // namespace skyanchor
