#pragma once

#include "base/result.hpp"
#include "text/vector_lines.hpp"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace skyanchor {

class Form1Model;

// One satellite of the set: a longitude in degrees and its direction. The longitude is held as its
// text of 15 significant digits reads, so the row, its text and its file line agree to the bit.
struct Satellite {
    double longitude = 0.0;
    bool west = true;

    friend bool operator==(const Satellite&, const Satellite&) = default;
};

[[nodiscard]] Satellite satelliteAt(double longitude, bool west);
// A place in degrees counted eastward, folded into [-180, 180): 180 and beyond turn West, so
// 0 is 0 E, 170 is 170 E, 180 is 180 W and 350 is 10 W.
[[nodiscard]] Satellite satelliteEastOf(double eastDegrees);
// "122 W", as the list shows it.
[[nodiscard]] std::string rowText(const Satellite& satellite);

// count satellites from start, each step degrees further east.
[[nodiscard]] std::vector<Satellite> ring(const Satellite& start, std::size_t count, double step);
// How many satellites start:stop:step names, stop included (within a rounding of the step); none
// when the step is zero, not finite, or leads away from stop.
[[nodiscard]] std::optional<std::size_t> rangeCount(double start, double stop, double step);

// The form's satellite, or the failure that keeps its longitude from being read.
[[nodiscard]] Result<Satellite> formSatellite(const Form1Model& form);
// A satellite's lines at the form's instant, on the form's fields, by the form's own chain.
[[nodiscard]] Result<VectorLines> linesAtFormInstant(const Form1Model& form, const Satellite& satellite);

// The set: rows in order, with each row's lines at the form's instant, recomputed on demand.
class SatelliteSet {
public:
    SatelliteSet() = default;
    explicit SatelliteSet(std::vector<Satellite> rows) : rows_(std::move(rows)) {}

    [[nodiscard]] const std::vector<Satellite>& rows() const { return rows_; }
    [[nodiscard]] const std::vector<Result<VectorLines>>& lines() const { return lines_; }

    void add(const std::vector<Satellite>& satellites);
    void remove(std::size_t row);
    // Whether the row moved; the first cannot go up nor the last down.
    bool moveUp(std::size_t row);
    bool moveDown(std::size_t row);

    // Every row's lines for the form as it stands.
    void recompute(const Form1Model& form);

    // Every row's two lines in order, each pair joined as "Copy Vectors" joins one and the pairs
    // by the same carriage return; an empty set, or the first row without lines (named, counting
    // from 1), is the refusal's reason.
    [[nodiscard]] Result<std::string> copyText() const;

private:
    std::vector<Satellite> rows_;
    std::vector<Result<VectorLines>> lines_;
};

}  // namespace skyanchor
