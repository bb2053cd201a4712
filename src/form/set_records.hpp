#pragma once

#include "form/satellite_set.hpp"
#include "text/vector_lines.hpp"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace skyanchor {

// How the scripting mode writes its satellites: the two lines each, or one record each in csv or json.
enum class RecordFormat { Lines, Csv, Json };

[[nodiscard]] std::optional<RecordFormat> recordFormatNamed(std::string_view name);

// One satellite at one instant and its lines.
struct SatelliteRecord {
    Satellite satellite;
    double mjd = 0.0;
    VectorLines lines;
};

// Each record's longitude, direction, MJD, instant in ISO 8601 UT (to the second; empty, or null in json, for an
// MJD that names no day of the dates) and the lines' six numbers in the lines' order, as the same digits.
[[nodiscard]] std::string writeRecords(const std::vector<SatelliteRecord>& records, RecordFormat format);

}  // namespace skyanchor
