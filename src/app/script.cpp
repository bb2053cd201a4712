#include "app/script.hpp"

#include "orbit/central_bodies.hpp"
#include "orbit/field_defaults.hpp"
#include "orbit/generate.hpp"
#include "orbit/sync_orbit.hpp"
#include "text/number_text.hpp"
#include "time/date_serial.hpp"
#include "time/date_text.hpp"

namespace skyanchor {

std::string mjdTextOf(const ScriptRequest& request, const DateTextCodec& codec, const std::function<double()>& readClock) {
    switch (request.instant) {
    case ScriptRequest::Instant::Mjd:
        // The MJD handler reads the number first: a text beyond the double range stops it there.
        static_cast<void>(parseLeadingNumber(request.instantText, request.typed));
        return request.instantText;
    case ScriptRequest::Instant::Date: return formatNumber(mjd(parseDateText(request.instantText, codec)));
    case ScriptRequest::Instant::Now: break;
    }
    return formatNumber(mjd(readClock()));
}

VectorLines stationaryLines(std::string_view longitude, bool west, std::string_view mjdText, NumberConventions typed) {
    namespace fields = field_defaults;
    const BodyConstants constants = startConstants();
    std::string semiMajorAxis;
    std::string inclination;
    std::string ascendingNode;
    std::string meanAnomaly;
    const auto write = [&](SyncElement element, std::string_view text) {
        switch (element) {
        case SyncElement::SemiMajorAxis: semiMajorAxis = text; return;
        case SyncElement::Inclination: inclination = text; return;
        case SyncElement::AscendingNode: ascendingNode = text; return;
        case SyncElement::MeanAnomaly: meanAnomaly = text; return;
        }
    };
    computeSyncElements({fields::kRotationalPeriod, fields::kMass, fields::kObliquity, fields::kPlanetLan,
                         fields::kSidRotOffset, mjdText, longitude, west},
                        constants.pi, constants.gravConst, write, typed);
    return generateLines({semiMajorAxis, fields::kEccentricity, inclination, fields::kArgumentOfPeriapsis, ascendingNode,
                          meanAnomaly},
                         constants.pi, static_cast<double>(constants.massFactor));
}

std::string scriptOutput(const ScriptRequest& request, const DateTextCodec& codec, const std::function<double()>& readClock) {
    const std::string mjdText = mjdTextOf(request, codec, readClock);
    if (request.mjdOnly) {
        // The window lets its MJD be copied only while the lines of that MJD can be made.
        static_cast<void>(stationaryLines(field_defaults::kLongitude, true, mjdText, request.typed));
        return mjdText + '\n';
    }
    std::string output;
    for (const std::string& longitude : request.longitudes) {
        const VectorLines lines = stationaryLines(longitude, request.west, mjdText, request.typed);
        output += lines.rpos + '\n' + lines.rvel + '\n';
    }
    return output;
}

}  // namespace skyanchor
