#include "form/form_notes.hpp"

#include "text/number_text.hpp"
#include "time/date_serial.hpp"

namespace skyanchor {
namespace {

bool readable(std::string_view text, NumberConventions typed) {
    try {
        (void)parseLeadingNumber(text, typed);
        return true;
    } catch (const Failure&) {
        return false;
    }
}

// Quoted, and isolated so that a right-to-left text keeps its own order inside the message.
std::string quoted(std::string_view text) { return std::string("\u201C\u2068").append(text).append("\u2069\u201D"); }

}  // namespace

std::string withFailureNumber(std::string_view words, const Failure& failure) {
    return std::string(words) + " (Error " + std::to_string(failure.number()) + ", " + failure.description() + ")";
}

std::string linesNeedText(const Failure& failure, std::string_view longitude, std::string_view mjd, NumberConventions typed) {
    const bool longitudeReads = readable(longitude, typed);
    const bool mjdReads = readable(mjd, typed);
    if (longitudeReads && mjdReads) {
        return withFailureNumber("No stationary orbit can be computed from this longitude and MJD; the lines stay greyed.", failure);
    }
    if (!longitudeReads && !mjdReads) {
        return withFailureNumber("The lines wait for a longitude and an MJD that can be read as numbers: both are too large.",
                                 failure);
    }
    return withFailureNumber(longitudeReads ? "The lines wait for an MJD that can be read as a number: " + quoted(mjd) + " is too large."
                                            : "The lines wait for a longitude that can be read as a number: " + quoted(longitude) +
                                                  " is too large.",
                             failure);
}

std::string mjdNoDateText(std::string_view mjd, const Failure& failure, bool linesComputed, NumberConventions typed) {
    if (!readable(mjd, typed)) {
        return withFailureNumber("MJD " + quoted(mjd) + " is too large to read as a number. " + mjdAcceptsText(), failure);
    }
    const bool before = parseLeadingNumber(mjd, typed) < kFirstMjd;
    std::string words = "MJD " + quoted(mjd) + (before ? " is before 1 January 100" : " is after 31 December 9999") +
                        ", so no date can be shown";
    words += linesComputed ? "; the lines are computed." : ", and no lines can be computed for it.";
    return withFailureNumber(words, failure);
}

std::string noDateText(const Failure& failure) {
    return withFailureNumber(failure.reason().empty() ? std::string("The text is not a date.") : failure.reason() + '.', failure);
}

std::string readingNote(std::string_view fieldName, std::string_view text, std::string_view accepts, NumberConventions typed) {
    const std::string compact = withoutBlanks(text);
    const std::size_t length = leadingNumberLength(compact, typed);
    if (length == compact.size() || !readable(compact, typed)) return {};
    const std::string readAs =
        std::string(fieldName) + ' ' + quoted(compact) + " is read as " + formatNumber(parseLeadingNumber(compact, typed));
    const std::string why = length == 0 ? ": it does not begin with a number. "
                                        : ": the rest (" + quoted(compact.substr(length)) + ") is not part of the number. ";
    return readAs + why + std::string(accepts);
}

std::string mjdAcceptsText() {
    return "Type an MJD from " + formatNumber(kFirstMjd) + " to " + formatNumber(kMjdUpperBound) + " (the years 100 to 9999).";
}

}  // namespace skyanchor
