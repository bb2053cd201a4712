#include "form/satellite_set.hpp"

#include "form/form1_model.hpp"
#include "form/sync_chain.hpp"
#include "orbit/units.hpp"
#include "text/number_text.hpp"
#include "words/form.hpp"
#include "words/satellite_set.hpp"

#include <cmath>
#include <utility>

namespace skyanchor {
namespace {

// A range's stop counts as reached when it falls short by less than this share of a step, so
// that 0:1:0.1 ends at 1 although ten tenths add up to a little less.
constexpr double kStepRounding = 1e-9;

}  // namespace

Satellite satelliteAt(double longitude, bool west) {
    return {.longitude = parseLeadingNumber(formatNumber(longitude)).valueOr(longitude), .west = west};
}

Satellite satelliteEastOf(double eastDegrees) {
    // remainder() is exact, so a place already inside keeps every bit.
    double folded = std::remainder(eastDegrees, kDegreesPerTurn);
    if (folded >= kHalfTurn) folded -= kDegreesPerTurn;
    return folded < 0 ? satelliteAt(-folded, true) : satelliteAt(folded, false);
}

std::string rowText(const Satellite& satellite) { return words::satelliteRow(formatNumber(satellite.longitude), satellite.west); }

std::vector<Satellite> ring(const Satellite& start, std::size_t count, double step) {
    const double east = start.west ? -start.longitude : start.longitude;
    std::vector<Satellite> satellites;
    satellites.reserve(count);
    for (std::size_t at = 0; at < count; ++at) satellites.push_back(satelliteEastOf(east + static_cast<double>(at) * step));
    return satellites;
}

std::optional<std::size_t> rangeCount(double start, double stop, double step) {
    const double steps = (stop - start) / step;
    if (step == 0 || !std::isfinite(steps) || steps < -kStepRounding) return std::nullopt;
    return static_cast<std::size_t>(std::floor(steps + kStepRounding)) + 1;
}

Result<Satellite> formSatellite(const Form1Model& form) {
    const Result<double>& longitude = form.longitudeValue();
    if (!longitude) return longitude.failure();
    return satelliteAt(*longitude, form.isWest());
}

Result<VectorLines> linesAtFormInstant(const Form1Model& form, const Satellite& satellite) {
    const auto read = [&form](Control field) -> const std::string& { return form.text(field); };
    return syncLinesAt(read, {.mjd = form.mjdValue(), .longitude = satellite.longitude, .west = satellite.west},
                       form.bodyConstants());
}

void SatelliteSet::add(const std::vector<Satellite>& satellites) { rows_.insert(rows_.end(), satellites.begin(), satellites.end()); }

void SatelliteSet::remove(std::size_t row) {
    if (row < rows_.size()) rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(row));
    if (row < lines_.size()) lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(row));
}

bool SatelliteSet::moveUp(std::size_t row) { return row > 0 && moveDown(row - 1); }

bool SatelliteSet::moveDown(std::size_t row) {
    if (row + 1 >= rows_.size()) return false;
    std::swap(rows_[row], rows_[row + 1]);
    if (row + 1 < lines_.size()) std::swap(lines_[row], lines_[row + 1]);
    return true;
}

void SatelliteSet::recompute(const Form1Model& form) {
    lines_.clear();
    lines_.reserve(rows_.size());
    for (const Satellite& satellite : rows_) lines_.push_back(linesAtFormInstant(form, satellite));
}

Result<std::string> SatelliteSet::copyText() const {
    if (rows_.empty()) return Failure(FailureNumber::InvalidArgument, std::string(words::kEmptySet));
    std::string text;
    for (std::size_t row = 0; row < rows_.size(); ++row) {
        const Result<VectorLines> lines = row < lines_.size() ? lines_[row] : Failure(FailureNumber::InvalidArgument);
        if (!lines) {
            return Failure(FailureNumber::InvalidArgument,
                           words::withFailureNumber(words::rowBlocksCopy(row + 1, rowText(rows_[row])), lines.failure()));
        }
        if (row > 0) text += '\r';
        text += lines->rpos + '\r' + lines->rvel;
    }
    return text;
}

}  // namespace skyanchor
