#include "orbit/central_bodies.hpp"

#include <cmath>

namespace skyanchor {

BodyConstants startConstants() {
    return BodyConstants{.pi = 4.0 * std::atan(1.0), .gravConst = 6.672e-11, .massFactor = 1, .bodyRadius = 6378};
}

void selectBody(std::string_view name, BodyConstants& constants) {
    if (name == "Earth") {
        constants.massFactor = 1;
        constants.bodyRadius = 6378;
    } else if (name == "Sun") {
        constants.massFactor = 320000;
        constants.bodyRadius = 1000000;
    }
}

}  // namespace skyanchor
