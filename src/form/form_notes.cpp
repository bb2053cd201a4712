#include "form/form_notes.hpp"

#include "orbit/sync_orbit.hpp"
#include "text/number_text.hpp"
#include "words/quoting.hpp"
#include "time/date_serial.hpp"

namespace skyanchor {
namespace {

using words::quoted;

// What keeps a longitude or MJD text from the lines: a number beyond the double range, or one
// too large for a second to tell.
enum class Trouble { None, Unreadable, PastSeconds };

// The longitude or the MJD, as the words about its limit name it.
struct NumberField {
    std::string_view name;     // "a longitude"
    std::string_view seconds;  // what its limit keeps apart
    double limit;
    std::string_view unit;
};

constexpr NumberField kLongitudeField{"a longitude", "seconds of arc", kLongitudeLimit, "degrees"};
constexpr NumberField kMjdField{"an MJD", "seconds", kMjdLimit, "days"};

Trouble troubleOf(const TypedNumber& typed, const NumberField& field) {
    if (!typed.number) return Trouble::Unreadable;
    return carriesSeconds(*typed.number, field.limit) ? Trouble::None : Trouble::PastSeconds;
}

// "±68719476736 days"
std::string limitOf(const NumberField& field) { return "\u00B1" + formatNumber(field.limit) + ' ' + std::string(field.unit); }

// "The lines wait for a longitude that ...", for the one of the two texts that holds them back.
std::string waitsFor(const NumberField& field, std::string_view text, Trouble trouble, std::string_view accepts) {
    const std::string wanted = "The lines wait for " + std::string(field.name);
    if (trouble == Trouble::Unreadable) return wanted + " that can be read as a number: " + quoted(text) + " is too large.";
    return wanted + " that tells " + std::string(field.seconds) + " apart: " + quoted(text) + " is too large (the limit is " +
           limitOf(field) + "). " + std::string(accepts);
}

}  // namespace

std::string withFailureNumber(std::string_view words, const Failure& failure) {
    return std::string(words) + " (Error " + std::to_string(failure.number()) + ", " + failure.description() + ")";
}

std::string linesNeedText(const Failure& failure, const TypedNumber& longitude, const TypedNumber& mjd) {
    const Trouble longitudeTrouble = troubleOf(longitude, kLongitudeField);
    const Trouble mjdTrouble = troubleOf(mjd, kMjdField);
    if (longitudeTrouble == Trouble::None && mjdTrouble == Trouble::None) {
        return withFailureNumber("No stationary orbit can be computed from this longitude and MJD; the lines stay greyed.", failure);
    }
    if (longitudeTrouble == Trouble::Unreadable && mjdTrouble == Trouble::Unreadable) {
        return withFailureNumber("The lines wait for a longitude and an MJD that can be read as numbers: both are too large.",
                                 failure);
    }
    if (longitudeTrouble != Trouble::None && mjdTrouble != Trouble::None) {
        return withFailureNumber("The lines wait for a longitude and an MJD that tell seconds apart: both are too large (the limits are " +
                                     limitOf(kLongitudeField) + " and " + limitOf(kMjdField) + ").",
                                 failure);
    }
    return withFailureNumber(longitudeTrouble != Trouble::None
                                 ? waitsFor(kLongitudeField, longitude.text, longitudeTrouble, kLongitudeAccepts)
                                 : waitsFor(kMjdField, mjd.text, mjdTrouble, mjdAcceptsText()),
                             failure);
}

std::string mjdNoDateText(const TypedNumber& mjd, const Failure& failure, bool linesComputed) {
    const Trouble trouble = troubleOf(mjd, kMjdField);
    if (trouble == Trouble::Unreadable) {
        return withFailureNumber("MJD " + quoted(mjd.text) + " is too large to read as a number. " + mjdAcceptsText(), failure);
    }
    if (trouble == Trouble::PastSeconds) {
        return withFailureNumber("MJD " + quoted(mjd.text) + " is too large to tell seconds apart (the limit is " + limitOf(kMjdField) +
                                     "), so neither a date nor lines can be computed for it. " + mjdAcceptsText(),
                                 failure);
    }
    const bool before = *mjd.number < kFirstMjd;
    std::string words = "MJD " + quoted(mjd.text) + (before ? " is before 1 January 100" : " is after 31 December 9999") +
                        ", so no date can be shown";
    words += linesComputed ? "; the lines are computed." : ", and no lines can be computed for it.";
    return withFailureNumber(words, failure);
}

std::string noDateText(const Failure& failure) {
    return withFailureNumber(failure.reason().empty() ? std::string("The text is not a date.") : failure.reason() + '.', failure);
}

std::string readingNote(std::string_view fieldName, const TypedNumber& field, std::string_view accepts, NumberConventions typed) {
    const std::string compact = withoutBlanks(field.text);
    const std::size_t length = leadingNumberLength(compact, typed);
    if (length == compact.size() || !field.number) return {};
    const std::string readAs = std::string(fieldName) + ' ' + quoted(compact) + " is read as " + formatNumber(*field.number);
    const std::string why = length == 0 ? ": it does not begin with a number. "
                                        : ": the rest (" + quoted(compact.substr(length)) + ") is not part of the number. ";
    return readAs + why + std::string(accepts);
}

std::string cutNotice(Control field, std::size_t limit) {
    const std::string_view text = field == Control::txtLongitude     ? "longitude text"
                                  : field == Control::txtDateandTime ? "date and time text"
                                  : field == Control::txtMJD         ? "MJD text"
                                                                     : "text";
    return "The " + std::string(text) + " was cut to its first " + std::to_string(limit) +
           " characters, the most a field holds: check what is left and edit it; the lines stay greyed until then.";
}

std::string mjdAcceptsText() {
    return "Type an MJD from " + formatNumber(kFirstMjd) + " to " + formatNumber(kMjdUpperBound) + " (the years 100 to 9999).";
}

}  // namespace skyanchor
