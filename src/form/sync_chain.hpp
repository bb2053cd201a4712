#pragma once

#include "base/result.hpp"
#include "form/controls.hpp"
#include "orbit/central_bodies.hpp"
#include "orbit/state.hpp"
#include "text/vector_lines.hpp"

#include <functional>
#include <string>
#include <string_view>

namespace skyanchor {

// Where and when a satellite stands, as the longitude and MJD fields read, and East or West.
struct SyncPlace {
    Result<double> mjd;
    Result<double> longitude;
    bool west = true;
};

// The fields Compute and Generate read, and how Compute writes an element field: a later read of
// a written field sees the written text.
struct ChainFields {
    std::function<const std::string&(Control)> read;
    std::function<void(Control, std::string_view)> write;
};

// Compute: the stationary orbit's elements from the body's fields and the place. Each is written
// into its field as soon as it is known, so a later step that fails leaves the earlier ones
// written; the inclination is the obliquity's text as it stands.
[[nodiscard]] Result<OrbitalElements> computeSyncElements(const ChainFields& fields, const SyncPlace& place,
                                                          const BodyConstants& constants);

// Generate's reading: the six element fields by the lenient number rule.
[[nodiscard]] OrbitalElements elementsOfFields(const std::function<const std::string&(Control)>& read);

// Generate's end: the elements' state vector as the two lines.
[[nodiscard]] VectorLines generateLines(const OrbitalElements& elements, const BodyConstants& constants);

// Compute then Generate for another place on the fields as they stand, which keep their texts:
// the lines the form would show for that longitude and direction.
[[nodiscard]] Result<VectorLines> syncLinesAt(const std::function<const std::string&(Control)>& read,
                                              const SyncPlace& place, const BodyConstants& constants);

}  // namespace skyanchor
