// The readout: the place, instant and height that the position line stands for, read back from the
// line's own numbers rather than copied from the fields, so that a misreading of either shows at once.
#include "form/form1_model.hpp"

#include "orbit/ground_longitude.hpp"
#include "orbit/units.hpp"
#include "text/number_text.hpp"
#include "text/vector_lines.hpp"

#include <cmath>
#include <optional>

namespace skyanchor {
namespace {

constexpr double kMillionths = 1e6;  // the place is written to a millionth of a degree

// East or West, where the place written lies off the prime meridian and the one opposite it.
std::string_view directionOf(double longitude) {
    const double written = std::round(std::fabs(longitude) * kMillionths) / kMillionths;
    if (written == 0.0 || written == kHalfTurn) return {};
    return longitude < 0.0 ? words::kWest : words::kEast;
}

}  // namespace

// The body's fields keep "." as their decimal point, whatever the locale, as Compute reads them.
std::optional<BodyOrientation> Form1Model::bodyOrientation() const {
    const Result<double> obliquity = parseLeadingNumber(text(Control::txtObliquity));
    const Result<double> planetLan = parseLeadingNumber(text(Control::txtPlanetLAN));
    const Result<double> offset = parseLeadingNumber(text(Control::txtSidRotOffset));
    if (!obliquity || !planetLan || !offset) return std::nullopt;
    return BodyOrientation{.obliquity = *obliquity, .planetLan = *planetLan, .sidRotOffset = *offset};
}

auto Form1Model::readBack() const -> std::optional<ReadBack> {
    if (!linesUsable() || !mjdNumber) return std::nullopt;
    for (std::size_t index = 0; isShown(static_cast<Control>(index)); ++index) {
        if (noteAt(static_cast<Control>(index))) return std::nullopt;
    }
    const std::optional<BodyOrientation> body = bodyOrientation();
    const std::optional<Components> position = positionOfLine(rposLine);
    if (!body || !position) return std::nullopt;
    const double radius = std::hypot(position->x, position->y, position->z) / kMetresPerKilometre;
    return ReadBack{.longitude = groundLongitude({.x = position->x, .y = position->y, .z = position->z}, *mjdNumber, *body),
                    .mjd = *mjdNumber,
                    .height = radius - constants.bodyRadius};
}

const std::string& Form1Model::readout() const {
    if (readout_) return *readout_;
    if (!readBack_) return readout_.emplace();
    const ReadBack& facts = *readBack_;
    const LongInstantWriter& writer = instantWriter ? *instantWriter : instantWriter.emplace(codec.locale().icuLocale);
    const std::string degrees = writer.number(std::fabs(facts.longitude));
    const std::string date = writer.date(facts.mjd);
    const std::string time = writer.time(facts.mjd);
    const std::string mjd = formatNumber(facts.mjd);
    const std::string height = writer.wholeNumber(facts.height);
    return readout_.emplace(words::readout(
        {.degrees = degrees, .direction = directionOf(facts.longitude), .date = date, .time = time, .mjd = mjd, .height = height}));
}

}  // namespace skyanchor
