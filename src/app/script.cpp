#include "app/script.hpp"

#include "form/form1_model.hpp"

namespace skyanchor {
namespace {

// The message is the note of the control whose event failed, else of the instant's field.
void requireCopyable(const Form1Model& form, Control lastEdited, Control instant) {
    const std::optional<Failure> failure = form.linesFailure();
    if (!failure) return;
    for (const Control noted : {lastEdited, instant}) {
        const std::optional<Note>& note = form.noteAt(noted);
        if (note && note->failure) throw ScriptFailure(note->text);
    }
    throw ScriptFailure(withFailureNumber(words::kLinesCannotBeComputed, *failure));
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
    requireCopyable(form, instant, instant);
    if (request.mjdOnly) return form.text(Control::txtMJD) + '\n';
    std::string output;
    for (const std::string& longitude : request.longitudes) {
        form.edit(Control::txtLongitude, longitude);
        requireCopyable(form, Control::txtLongitude, instant);
        output += form.positionLine() + '\n' + form.velocityLine() + '\n';
    }
    return output;
}

}  // namespace skyanchor
