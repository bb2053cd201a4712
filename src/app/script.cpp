#include "app/script.hpp"

#include "form/form1_model.hpp"

namespace skyanchor {
namespace {

void requireCopyable(const Form1Model& form) {
    if (const std::optional<Failure> failure = form.linesFailure()) throw *failure;
}

}  // namespace

std::string scriptOutput(const ScriptRequest& request, const FormServices& services) {
    Form1Model form(services);
    if (!request.west) form.click(Control::optEast);
    switch (request.instant) {
    case ScriptRequest::Instant::Mjd: form.edit(Control::txtMJD, request.instantText); break;
    case ScriptRequest::Instant::Date: form.edit(Control::txtDateandTime, request.instantText); break;
    case ScriptRequest::Instant::Now: break;
    }
    requireCopyable(form);
    if (request.mjdOnly) return form.text(Control::txtMJD) + '\n';
    std::string output;
    for (const std::string& longitude : request.longitudes) {
        form.edit(Control::txtLongitude, longitude);
        requireCopyable(form);
        output += form.positionLine() + '\n' + form.velocityLine() + '\n';
    }
    return output;
}

}  // namespace skyanchor
