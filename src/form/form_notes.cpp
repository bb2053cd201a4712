#include "form/form_notes.hpp"

#include "text/number_text.hpp"
#include "time/date_serial.hpp"

namespace skyanchor {

std::string failureNoteText(const Failure& failure, std::string_view accepts) {
    std::string text = failure.report();
    if (!accepts.empty()) text.append(1, '\n').append(accepts);
    return text;
}

std::string linesNeedText(std::string_view longitude, std::string_view mjd) {
    const auto readable = [](std::string_view text) {
        try {
            (void)parseLeadingNumber(text);
            return true;
        } catch (const Failure&) {
            return false;
        }
    };
    const bool longitudeReads = readable(longitude);
    const bool mjdReads = readable(mjd);
    if (longitudeReads && mjdReads) return "The lines cannot be computed from the longitude and MJD as they stand";
    if (!longitudeReads && !mjdReads) return "The lines wait for a longitude and an MJD that can be read as numbers";
    return std::string("The lines wait for ") + (longitudeReads ? "an MJD" : "a longitude") + " that can be read as a number";
}

std::string readingNote(std::string_view text) {
    const std::string compact = withoutBlanks(text);
    const std::size_t length = leadingNumberLength(compact);
    if (length == compact.size()) return {};
    double value = 0.0;
    try {
        value = parseLeadingNumber(compact);
    } catch (const Failure&) {
        return {};
    }
    const std::string readAs = "Read as " + formatNumber(value) + ": ";
    if (length == 0) return readAs + '"' + compact + "\" does not begin with a number";
    return readAs + "the rest (\"" + compact.substr(length) + "\") is not part of the number";
}

std::string mjdAcceptsText() {
    return "Accepts the MJD of a date from 1 January 100 to 31 December 9999 (" + formatNumber(kFirstMjd) + " up to " +
           formatNumber(kMjdUpperBound) + ")";
}

std::string dateAcceptsText(std::string_view example) {
    // Isolated, so that a right-to-left note keeps the example's own order.
    return std::string("Accepts a date and time such as \u2068").append(example).append("\u2069, or either alone");
}

}  // namespace skyanchor
