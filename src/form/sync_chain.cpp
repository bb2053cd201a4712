// The chain from the fields' texts through the orbit's numbers to the lines, shared by the form
// and the satellite set so that both write the same lines for the same place.
#include "form/sync_chain.hpp"

#include "orbit/kepler.hpp"
#include "orbit/sync_orbit.hpp"
#include "text/number_text.hpp"

#include <array>
#include <optional>
#include <utility>

namespace skyanchor {
namespace {

// The body's fields keep "." as their decimal point, whatever the locale.
Result<double> bodyNumber(const ChainFields& fields, Control field) { return parseLeadingNumber(fields.read(field)); }

// Generate reads an element by the lenient number rule; a text beyond the double range keeps the
// element's zero rather than stopping Generate.
double elementOf(const std::function<const std::string&(Control)>& read, Control field) {
    return parseLeadingNumber(read(field)).valueOr(0.0);
}

// The element fields' round trip: an element is written with 15 significant digits, and the lines
// are made from what that text reads back as, as Generate reads the field; so they keep every bit.
double writeElement(const ChainFields& fields, Control field, double value) {
    fields.write(field, formatNumber(value));
    return elementOf(fields.read, field);
}

Result<double> syncAxisOfBody(const ChainFields& fields, const BodyConstants& constants) {
    const Result<double> period = bodyNumber(fields, Control::txtRotationalPeriod);
    if (!period) return period;
    const Result<double> mass = bodyNumber(fields, Control::txtMass);
    if (!mass) return mass;
    return syncSemiMajorAxis(*period, *mass, constants);
}

Result<double> syncAnomalyOfPlace(const ChainFields& fields, const SyncPlace& place) {
    const Result<double> offset = bodyNumber(fields, Control::txtSidRotOffset);
    if (!offset) return offset;
    if (!place.mjd) return place.mjd;
    if (!place.longitude) return place.longitude;
    return syncMeanAnomaly({.sidRotOffset = *offset, .mjd = *place.mjd, .longitude = *place.longitude, .west = place.west});
}

// The element fields Compute writes.
constexpr std::array kWrittenElements{Control::txtSMA, Control::txtInclination, Control::txtLan, Control::txtMA};

}  // namespace

Result<OrbitalElements> computeSyncElements(const ChainFields& fields, const SyncPlace& place, const BodyConstants& constants) {
    const Result<double> axis = syncAxisOfBody(fields, constants);
    if (!axis) return axis.failure();
    const double semiMajorAxis = writeElement(fields, Control::txtSMA, *axis);
    fields.write(Control::txtInclination, fields.read(Control::txtObliquity));
    const Result<double> planetLan = bodyNumber(fields, Control::txtPlanetLAN);
    const Result<double> node = planetLan ? syncAscendingNode(*planetLan) : planetLan;
    if (!node) return node.failure();
    const double ascendingNode = writeElement(fields, Control::txtLan, *node);
    const Result<double> anomaly = syncAnomalyOfPlace(fields, place);
    if (!anomaly) return anomaly.failure();
    const double meanAnomaly = writeElement(fields, Control::txtMA, *anomaly);
    return OrbitalElements{
        .semiMajorAxis = semiMajorAxis,
        .eccentricity = elementOf(fields.read, Control::txtEccentricity),
        .inclination = elementOf(fields.read, Control::txtInclination),
        .argumentOfPeriapsis = elementOf(fields.read, Control::txtArgumentOfPerapsis),
        .ascendingNode = ascendingNode,
        .meanAnomaly = meanAnomaly,
    };
}

OrbitalElements elementsOfFields(const std::function<const std::string&(Control)>& read) {
    return OrbitalElements{
        .semiMajorAxis = elementOf(read, Control::txtSMA),
        .eccentricity = elementOf(read, Control::txtEccentricity),
        .inclination = elementOf(read, Control::txtInclination),
        .argumentOfPeriapsis = elementOf(read, Control::txtArgumentOfPerapsis),
        .ascendingNode = elementOf(read, Control::txtLan),
        .meanAnomaly = elementOf(read, Control::txtMA),
    };
}

VectorLines generateLines(const OrbitalElements& elements, const BodyConstants& constants) {
    const StateVector state = generateVectors(elements, constants.pi, static_cast<double>(constants.massFactor));
    return buildVectorLines({state.x, state.y, state.z}, {state.vx, state.vy, state.vz});
}

// The elements Compute writes are held aside, so the fields themselves stay as they are.
Result<VectorLines> syncLinesAt(const std::function<const std::string&(Control)>& read, const SyncPlace& place,
                                const BodyConstants& constants) {
    std::array<std::optional<std::string>, kWrittenElements.size()> written;
    const auto slotOf = [](Control field) -> std::size_t {
        std::size_t slot = 0;
        while (slot < kWrittenElements.size() && kWrittenElements[slot] != field) ++slot;
        return slot;
    };
    const ChainFields fields{
        .read = [&](Control field) -> const std::string& {
            const std::size_t slot = slotOf(field);
            return slot < written.size() && written[slot] ? *written[slot] : read(field);
        },
        .write = [&](Control field, std::string_view text) { written.at(slotOf(field)) = std::string(text); },
    };
    const Result<OrbitalElements> elements = computeSyncElements(fields, place, constants);
    if (!elements) return elements.failure();
    return generateLines(*elements, constants);
}

}  // namespace skyanchor
