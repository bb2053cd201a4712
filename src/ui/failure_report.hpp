#pragma once

#include "text/failure.hpp"

#include <QString>

namespace skyanchor {

// "Run-time error '6': Overflow".
[[nodiscard]] QString failureReportText(const Failure& failure);

// The note shown at a control whose event failed: the report, then one line of what the control
// accepts.
[[nodiscard]] QString failureNoteText(const Failure& failure, const QString& accepts);

}  // namespace skyanchor
