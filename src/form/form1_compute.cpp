// Compute and Generate: the chain from the fields' texts through the orbit's numbers to the lines.
// The form reads the texts, the orbit computes in numbers (sync_chain.cpp, which the satellite set
// shares), and the form writes the element fields.
#include "form/form1_model.hpp"

#include "form/sync_chain.hpp"

#include <utility>

namespace skyanchor {

// Generate: the six element fields to the two vector lines.
void Form1Model::Command1_Click() { showLines(elementsOfFields(fieldReader())); }

// Compute: the stationary orbit's elements into their fields, then Generate from them.
Status Form1Model::Command3_Click() {
    const ChainFields fields{.read = fieldReader(),
                             .write = [this](Control field, std::string_view text) { writeWithoutNotice(field, text); }};
    const Result<OrbitalElements> elements =
        computeSyncElements(fields, {.mjd = mjdNumber, .longitude = longitudeNumber, .west = west}, constants);
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

std::function<const std::string&(Control)> Form1Model::fieldReader() const {
    return [this](Control field) -> const std::string& { return text(field); };
}

// Generate's end: the elements' state vector as the two lines, in the list and the hidden fields.
void Form1Model::showLines(const OrbitalElements& elements) {
    VectorLines lines = generateLines(elements, constants);
    rposLine = std::move(lines.rpos);
    rvelLine = std::move(lines.rvel);
    write(Control::txtrpos, rposLine);
    write(Control::txtrvel, rvelLine);
    List1 = {rposLine, rvelLine};
    changes.list = true;
}

}  // namespace skyanchor
