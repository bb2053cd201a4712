// Compute and Generate: the chain from the fields' texts through the orbit's numbers to the lines.
// The form reads the texts, the orbit computes in numbers, and the form writes the element fields.
#include "form/form1_model.hpp"

#include "orbit/kepler.hpp"
#include "orbit/sync_orbit.hpp"
#include "text/number_text.hpp"
#include "text/vector_lines.hpp"

#include <utility>

namespace skyanchor {

// Generate: the six element fields to the two vector lines.
void Form1Model::Command1_Click() { showLines(elementsOfFields()); }

// Compute: the stationary orbit's elements into their fields, then Generate from them.
Status Form1Model::Command3_Click() {
    const Result<OrbitalElements> elements = writeSyncElements();
    if (!elements) {
        computeFailure = elements.failure();
        showLinesCurrent(false);
        return elements.failure();
    }
    showLines(*elements);
    computeFailure.reset();
    showLinesCurrent(true);
    clearLinesFailures();
    return done();
}

// The orbit's elements from the body's fields and the typed instant and place. Each is written
// into its field as soon as it is known, so a later step that fails leaves the earlier ones
// written; the inclination is the obliquity's text as it stands.
Result<OrbitalElements> Form1Model::writeSyncElements() {
    const Result<double> axis = syncAxisOfBody();
    if (!axis) return axis.failure();
    const double semiMajorAxis = writeElement(Control::txtSMA, *axis);
    writeWithoutNotice(Control::txtInclination, text(Control::txtObliquity));
    const Result<double> planetLan = bodyNumber(Control::txtPlanetLAN);
    const Result<double> node = planetLan ? syncAscendingNode(*planetLan) : planetLan;
    if (!node) return node.failure();
    const double ascendingNode = writeElement(Control::txtLan, *node);
    const Result<double> anomaly = syncAnomalyOfInstant();
    if (!anomaly) return anomaly.failure();
    const double meanAnomaly = writeElement(Control::txtMA, *anomaly);
    return OrbitalElements{
        .semiMajorAxis = semiMajorAxis,
        .eccentricity = elementOf(Control::txtEccentricity),
        .inclination = elementOf(Control::txtInclination),
        .argumentOfPeriapsis = elementOf(Control::txtArgumentOfPerapsis),
        .ascendingNode = ascendingNode,
        .meanAnomaly = meanAnomaly,
    };
}

Result<double> Form1Model::syncAxisOfBody() const {
    const Result<double> period = bodyNumber(Control::txtRotationalPeriod);
    if (!period) return period;
    const Result<double> mass = bodyNumber(Control::txtMass);
    if (!mass) return mass;
    return syncSemiMajorAxis(*period, *mass, constants);
}

Result<double> Form1Model::syncAnomalyOfInstant() const {
    const Result<double> offset = bodyNumber(Control::txtSidRotOffset);
    if (!offset) return offset;
    if (!mjdNumber) return mjdNumber;
    if (!longitudeNumber) return longitudeNumber;
    return syncMeanAnomaly({.sidRotOffset = *offset, .mjd = *mjdNumber, .longitude = *longitudeNumber, .west = west});
}

// The body's fields keep "." as their decimal point, whatever the locale.
Result<double> Form1Model::bodyNumber(Control field) const { return parseLeadingNumber(text(field)); }

// The element fields' round trip: an element is written with 15 significant digits, and the lines
// are made from what that text reads back as, as Generate reads the field; so they keep every bit.
double Form1Model::writeElement(Control field, double value) {
    writeWithoutNotice(field, formatNumber(value));
    return elementOf(field);
}

// Generate reads an element by the lenient number rule; a text beyond the double range keeps the
// element's zero rather than stopping Generate.
double Form1Model::elementOf(Control field) const { return parseLeadingNumber(text(field)).valueOr(0.0); }

OrbitalElements Form1Model::elementsOfFields() const {
    return OrbitalElements{
        .semiMajorAxis = elementOf(Control::txtSMA),
        .eccentricity = elementOf(Control::txtEccentricity),
        .inclination = elementOf(Control::txtInclination),
        .argumentOfPeriapsis = elementOf(Control::txtArgumentOfPerapsis),
        .ascendingNode = elementOf(Control::txtLan),
        .meanAnomaly = elementOf(Control::txtMA),
    };
}

// Generate's end: the elements' state vector as the two lines, in the list and the hidden fields.
void Form1Model::showLines(const OrbitalElements& elements) {
    const StateVector state = generateVectors(elements, constants.pi, static_cast<double>(constants.massFactor));
    linePosition = state;
    VectorLines lines = buildVectorLines({state.x, state.y, state.z}, {state.vx, state.vy, state.vz});
    rposLine = std::move(lines.rpos);
    rvelLine = std::move(lines.rvel);
    write(Control::txtrpos, rposLine);
    write(Control::txtrvel, rvelLine);
    List1 = {rposLine, rvelLine};
    changes.list = true;
}

}  // namespace skyanchor
