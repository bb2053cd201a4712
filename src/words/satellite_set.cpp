#include "words/satellite_set.hpp"

#include "words/command_line.hpp"
#include "words/quoting.hpp"

namespace skyanchor::words {
namespace {

std::string counted(std::size_t count, std::string_view one, std::string_view many) {
    return std::to_string(count) + ' ' + std::string(count == 1 ? one : many);
}

}  // namespace

std::string satelliteRow(std::string_view longitude, bool west) { return std::string(longitude) + (west ? " W" : " E"); }

std::string uncomputedRow(std::string_view row) { return std::string(row) + " \u2014 no lines at this instant"; }

std::string setCopied(std::size_t satellites) { return "Set copied: " + counted(satellites, "satellite", "satellites"); }

std::string rowBlocksCopy(std::size_t row, std::string_view rowText) {
    return "Satellite " + std::to_string(row) + " (" + std::string(rowText) +
           ") has no lines at this instant, so the set is not copied";
}

std::string setLineNoDirection(std::size_t line, std::string_view text) {
    return "Line " + std::to_string(line) + ", " + quoted(text) + ", names no direction: end it with E or W, as in 122 W.";
}

std::string setLineNoLongitude(std::size_t line, std::string_view text) {
    return "Line " + std::to_string(line) + ", " + quoted(text) +
           ", is not a longitude in degrees and E or W, as in 122 W or 75.5 E.";
}

std::string setFileUnreadable(std::string_view file, std::string_view reason) {
    return "The set file " + quoted(file) + " cannot be read: " + std::string(reason) + '.';
}

std::string setFileNotSaved(std::string_view file, std::string_view reason) {
    return "The set is not saved to " + quoted(file) + ": " + std::string(reason) + '.';
}

std::string setFileInFile(std::string_view file, std::string_view refusal) {
    return "The set file " + quoted(file) + " is not opened. " + std::string(refusal);
}

std::string keptSetSetAside(std::string_view refusal, std::string_view asideFile) {
    return std::string(refusal) + " It is kept as " + quoted(asideFile) + ", and the set starts empty.";
}

std::string setOpened(std::size_t satellites) { return "Set opened: " + counted(satellites, "satellite", "satellites"); }

std::string notARange(std::string_view given) {
    return "--longitudes " + argument(given) +
           " is not start:stop:step in degrees with a step that leads from start to stop, as in 0:350:10.";
}

std::string tooManySatellites(std::string_view given, std::size_t limit) {
    return "--longitudes " + argument(given) + " names more than " + std::to_string(limit) + " satellites.";
}

std::string unknownFormat(std::string_view given) {
    return "--format " + argument(given) + " is not one of lines, csv and json.";
}

}  // namespace skyanchor::words
