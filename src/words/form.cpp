#include "words/form.hpp"

#include "words/quoting.hpp"

namespace skyanchor::words {

std::string withFailureNumber(std::string_view words, const Failure& failure) {
    return std::string(words) + " (Error " + std::to_string(failure.number()) + ", " + failure.description() + ")";
}

std::string limit(const NumberName& name, std::string_view magnitude) {
    return "\u00B1" + std::string(magnitude) + ' ' + std::string(name.unit);
}

std::string bothPastSeconds(std::string_view longitudeLimit, std::string_view mjdLimit) {
    return "The lines wait for a longitude and an MJD that tell seconds apart: both are too large (the limits are " +
           std::string(longitudeLimit) + " and " + std::string(mjdLimit) + ").";
}

std::string waitsForReadable(const NumberName& name, std::string_view typed) {
    return "The lines wait for " + std::string(name.withArticle) + " that can be read as a number: " + quoted(typed) +
           " is too large.";
}

std::string waitsForSeconds(const NumberName& name, std::string_view typed, std::string_view limit, std::string_view accepts) {
    return "The lines wait for " + std::string(name.withArticle) + " that tells " + std::string(name.seconds) + " apart: " +
           quoted(typed) + " is too large (the limit is " + std::string(limit) + "). " + std::string(accepts);
}

std::string mjdUnreadable(std::string_view typed, std::string_view accepts) {
    return "MJD " + quoted(typed) + " is too large to read as a number. " + std::string(accepts);
}

std::string mjdPastSeconds(std::string_view typed, std::string_view limit, std::string_view accepts) {
    return "MJD " + quoted(typed) + " is too large to tell seconds apart (the limit is " + std::string(limit) +
           "), so neither a date nor lines can be computed for it. " + std::string(accepts);
}

std::string mjdNamesNoDay(std::string_view typed, bool beforeFirstDay, bool linesComputed) {
    return "MJD " + quoted(typed) + (beforeFirstDay ? " is before 1 January 100" : " is after 31 December 9999") +
           ", so no date can be shown" + (linesComputed ? "; the lines are computed." : ", and no lines can be computed for it.");
}

std::string noDate(std::string_view reason) { return reason.empty() ? std::string("The text is not a date.") : std::string(reason) + '.'; }

std::string readAs(std::string_view fieldName, std::string_view typed, std::string_view read, std::string_view rest,
                   std::string_view accepts) {
    const std::string why = rest.empty() ? ": it does not begin with a number. "
                                         : ": the rest (" + quoted(rest) + ") is not part of the number. ";
    return std::string(fieldName) + ' ' + quoted(typed) + " is read as " + std::string(read) + why + std::string(accepts);
}

std::string typeInstead(std::string_view number, std::string_view direction) {
    return "Type " + std::string(number) + (direction.empty() ? "" : " and choose " + std::string(direction)) + '.';
}

std::string mjdOfNoDate(std::string_view mjd) {
    return "MJD " + std::string(mjd) + " stands for no date: the date and time text is not one. Correct the date, or type an MJD.";
}

std::string readout(const Readout& facts) {
    const auto isolated = [](std::string_view text) { return "\u2068" + std::string(text) + "\u2069"; };
    const std::string place = std::string(facts.degrees) + "\u00B0" + (facts.direction.empty() ? "" : ' ' + std::string(facts.direction));
    return "Over " + place + " on " + isolated(facts.date) + ", " + isolated(facts.time) + " UT (MJD " + std::string(facts.mjd) +
           "), " + std::string(facts.height) + " km above the equator.";
}

std::string cutNotice(std::string_view fieldText, std::size_t limit) {
    return "The " + std::string(fieldText) + " was cut to its first " + std::to_string(limit) +
           " characters, the most a field holds: check what is left and edit it; the lines stay greyed until then.";
}

std::string mjdAccepts(std::string_view first, std::string_view last) {
    return "Type an MJD from " + std::string(first) + " to " + std::string(last) + " (the years 100 to 9999).";
}

}  // namespace skyanchor::words
