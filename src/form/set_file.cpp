#include "form/set_file.hpp"

#include "base/utf8_text.hpp"
#include "text/number_text.hpp"
#include "words/satellite_set.hpp"

#include <cmath>
#include <optional>

namespace skyanchor {
namespace {

constexpr std::string_view kBlanks = " \t";

std::string_view trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

std::optional<bool> directionOf(char letter) {
    if (letter == 'E' || letter == 'e') return false;
    if (letter == 'W' || letter == 'w') return true;
    return std::nullopt;
}

std::optional<double> longitudeOf(std::string_view text) {
    if (!isReadWhole(text)) return std::nullopt;
    const Result<double> number = parseLeadingNumber(text);
    if (!number || !std::isfinite(*number)) return std::nullopt;
    return *number;
}

// The refusal of a line that is no satellite: one without a direction, or without a longitude.
std::string refusalOf(std::size_t lineNumber, std::string_view line) {
    if (longitudeOf(line)) return words::setLineNoDirection(lineNumber, line);
    return words::setLineNoLongitude(lineNumber, line);
}

// One satellite as a line gives it, a longitude and E or W; none when it is not one.
std::optional<Satellite> readSatellite(std::string_view text) {
    const std::string_view satellite = trimmed(text);
    if (satellite.empty()) return std::nullopt;
    const std::optional<bool> west = directionOf(satellite.back());
    const std::optional<double> longitude = longitudeOf(satellite.substr(0, satellite.size() - 1));
    if (!west || !longitude) return std::nullopt;
    return satelliteAt(*longitude, *west);
}

}  // namespace

Result<std::vector<Satellite>> readSetFile(std::string_view text) {
    if (validUtf8Length(text) < text.size()) return Failure(FailureNumber::InvalidArgument, std::string(words::kNotUtf8));
    std::vector<Satellite> satellites;
    for (std::size_t lineNumber = 1; !text.empty(); ++lineNumber) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.ends_with('\r')) line.remove_suffix(1);
        line = trimmed(line);
        if (line.empty() || line.starts_with('#')) continue;
        const std::optional<Satellite> satellite = readSatellite(line);
        if (!satellite) return Failure(FailureNumber::InvalidArgument, refusalOf(lineNumber, line));
        satellites.push_back(*satellite);
    }
    return satellites;
}

std::string writeSetFile(const std::vector<Satellite>& satellites) {
    std::string text;
    for (const Satellite& satellite : satellites) text += formatNumber(satellite.longitude) + (satellite.west ? " W\n" : " E\n");
    return text;
}

}  // namespace skyanchor
