#include "orbit/generate.hpp"

#include "orbit/kepler.hpp"
#include "base/failure.hpp"
#include "text/number_text.hpp"

namespace skyanchor {
namespace {

double readOrZero(std::string_view text) {
    try {
        return parseLeadingNumber(text);
    } catch (const Failure&) {
        return 0.0;  // Generate skips a read that fails and keeps the element's zero
    }
}

}  // namespace

OrbitalElements readElements(const ElementTexts& texts) {
    return OrbitalElements{
        .semiMajorAxis = readOrZero(texts.semiMajorAxis),
        .eccentricity = readOrZero(texts.eccentricity),
        .inclination = readOrZero(texts.inclination),
        .argumentOfPeriapsis = readOrZero(texts.argumentOfPeriapsis),
        .ascendingNode = readOrZero(texts.ascendingNode),
        .meanAnomaly = readOrZero(texts.meanAnomaly),
    };
}

VectorLines generateLines(const ElementTexts& texts, double pi, double massFactor) {
    return buildVectorLines(generateVectors(readElements(texts), pi, massFactor));
}

}  // namespace skyanchor
