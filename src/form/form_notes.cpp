#include "form/form_notes.hpp"

#include "orbit/sync_orbit.hpp"
#include "text/meant_number.hpp"
#include "text/number_text.hpp"
#include "time/date_serial.hpp"

namespace skyanchor {
namespace {

// What keeps a longitude or MJD text from the lines: a number beyond the double range, or one
// too large for a second to tell.
enum class Trouble { None, Unreadable, PastSeconds };

// The longitude or the MJD, its name in the notes and its limit.
struct NumberField {
    const words::NumberName& name;
    double limit;
};

const NumberField kLongitudeField{words::kLongitudeName, kLongitudeLimit};
const NumberField kMjdField{words::kMjdName, kMjdLimit};

Trouble troubleOf(const TypedNumber& typed, const NumberField& field) {
    if (!typed.number) return Trouble::Unreadable;
    return carriesSeconds(*typed.number, field.limit) ? Trouble::None : Trouble::PastSeconds;
}

std::string_view directionName(TypedDirection direction) {
    switch (direction) {
    case TypedDirection::East: return words::kEast;
    case TypedDirection::West: return words::kWest;
    case TypedDirection::None: break;
    }
    return {};
}

std::string limitOf(const NumberField& field) { return words::limit(field.name, formatNumber(field.limit)); }

// "The lines wait for a longitude that ...", for the one of the two texts that holds them back.
std::string waitsFor(const NumberField& field, std::string_view text, Trouble trouble, std::string_view accepts) {
    if (trouble == Trouble::Unreadable) return words::waitsForReadable(field.name, text);
    return words::waitsForSeconds(field.name, text, limitOf(field), accepts);
}

}  // namespace

std::string linesNeedText(const Failure& failure, const TypedNumber& longitude, const TypedNumber& mjd) {
    const Trouble longitudeTrouble = troubleOf(longitude, kLongitudeField);
    const Trouble mjdTrouble = troubleOf(mjd, kMjdField);
    if (longitudeTrouble == Trouble::None && mjdTrouble == Trouble::None) return withFailureNumber(words::kNoOrbit, failure);
    if (longitudeTrouble == Trouble::Unreadable && mjdTrouble == Trouble::Unreadable) {
        return withFailureNumber(words::kBothUnreadable, failure);
    }
    if (longitudeTrouble != Trouble::None && mjdTrouble != Trouble::None) {
        return withFailureNumber(words::bothPastSeconds(limitOf(kLongitudeField), limitOf(kMjdField)), failure);
    }
    return withFailureNumber(longitudeTrouble != Trouble::None
                                 ? waitsFor(kLongitudeField, longitude.text, longitudeTrouble, kLongitudeAccepts)
                                 : waitsFor(kMjdField, mjd.text, mjdTrouble, mjdAcceptsText()),
                             failure);
}

std::string mjdNoDateText(const TypedNumber& mjd, const Failure& failure, bool linesComputed) {
    switch (troubleOf(mjd, kMjdField)) {
    case Trouble::Unreadable: return withFailureNumber(words::mjdUnreadable(mjd.text, mjdAcceptsText()), failure);
    case Trouble::PastSeconds:
        return withFailureNumber(words::mjdPastSeconds(mjd.text, limitOf(kMjdField), mjdAcceptsText()), failure);
    case Trouble::None: break;
    }
    return withFailureNumber(words::mjdNamesNoDay(mjd.text, *mjd.number < kFirstMjd, linesComputed), failure);
}

std::string noDateText(const Failure& failure) { return withFailureNumber(words::noDate(failure.reason()), failure); }

std::string readingNote(std::string_view fieldName, const TypedNumber& field, std::string_view accepts, NumberConventions typed,
                        bool angle) {
    const std::string compact = withoutBlanks(field.text);
    const std::size_t length = leadingNumberLength(compact, typed);
    if (length == compact.size() || !field.number) return {};
    const std::string_view rest = length == 0 ? std::string_view{} : std::string_view(compact).substr(length);
    const std::optional<MeantNumber> meant = meantNumber(compact, typed, angle);
    const std::string instead = meant ? words::typeInstead(formatNumber(meant->number), directionName(meant->direction)) : std::string();
    return words::readAs(fieldName, compact, formatNumber(*field.number), rest, meant ? std::string_view(instead) : accepts);
}

std::string cutNotice(Control field, std::size_t limit) {
    const std::string_view text = field == Control::txtLongitude     ? "longitude text"
                                  : field == Control::txtDateandTime ? "date and time text"
                                  : field == Control::txtMJD         ? "MJD text"
                                                                     : "text";
    return words::cutNotice(text, limit);
}

std::string mjdAcceptsText() { return words::mjdAccepts(formatNumber(kFirstMjd), formatNumber(kMjdUpperBound)); }

}  // namespace skyanchor
