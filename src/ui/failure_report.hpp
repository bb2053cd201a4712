#pragma once

#include "text/failure.hpp"

#include <QString>

#include <string_view>

namespace skyanchor {

// "Run-time error '6': Overflow".
[[nodiscard]] QString failureReportText(const Failure& failure);

// The note shown at a control whose event failed: the report, then one line of what the control
// accepts.
[[nodiscard]] QString failureNoteText(const Failure& failure, const QString& accepts);

// The line under a Compute that failed, whichever control's event ran it: the longitude or MJD
// text that cannot be read as a number, or that the lines cannot be computed from the two.
[[nodiscard]] QString linesNeedText(std::string_view longitude, std::string_view mjd);

}  // namespace skyanchor
