#include "app/script.hpp"

#include "form/form1_model.hpp"

#include <initializer_list>

namespace skyanchor {
namespace {

// The message is the note of the control whose event failed, else of the instant's field.
void requireCopyable(const Form1Model& form, std::initializer_list<Control> edited, Control instant) {
    const std::optional<Failure> failure = form.linesFailure();
    if (!failure) return;
    for (const Control noted : edited) {
        const std::optional<Note>& note = form.noteAt(noted);
        if (note && note->failure) throw ScriptFailure(note->text);
    }
    const std::optional<Note>& note = form.noteAt(instant);
    if (note && note->failure) throw ScriptFailure(note->text);
    throw ScriptFailure(withFailureNumber(words::kLinesCannotBeComputed, *failure));
}

// The satellite's direction (its own, else the request's) where it differs, then its longitude.
SatelliteRecord recordOf(Form1Model& form, const ScriptSatellite& satellite, bool west, Control instant) {
    const bool turns = satellite.west.value_or(west) != form.isWest();
    const Control direction = form.isWest() ? Control::optEast : Control::optWest;
    if (turns) form.click(direction);
    form.edit(Control::txtLongitude, satellite.longitude);
    if (turns) {
        requireCopyable(form, {Control::txtLongitude, direction}, instant);
    } else {
        requireCopyable(form, {Control::txtLongitude}, instant);
    }
    return {.satellite = satelliteAt(form.longitudeValue().valueOr(0.0), form.isWest()),
            .mjd = form.mjdValue().valueOr(0.0),
            .lines = {.rpos = form.positionLine(), .rvel = form.velocityLine()}};
}

}  // namespace

std::string scriptOutput(const ScriptRequest& request, const FormServices& services) {
    Form1Model form(services);
    if (!request.west) form.click(Control::optEast);
    const Control instant = request.instant == ScriptRequest::Instant::Date ? Control::txtDateandTime : Control::txtMJD;
    switch (request.instant) {
    case ScriptRequest::Instant::Mjd: form.edit(Control::txtMJD, request.instantText); break;
    case ScriptRequest::Instant::Date: form.edit(Control::txtDateandTime, request.instantText); break;
    case ScriptRequest::Instant::Now: break;
    }
    requireCopyable(form, {instant}, instant);
    if (request.mjdOnly) return form.text(Control::txtMJD) + '\n';
    std::vector<SatelliteRecord> records;
    for (const ScriptSatellite& satellite : request.satellites) records.push_back(recordOf(form, satellite, request.west, instant));
    return writeRecords(records, request.format);
}

}  // namespace skyanchor
