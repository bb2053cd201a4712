#pragma once

#include "text/failure.hpp"

#include <QString>

class QWidget;

namespace skyanchor {

// "Run-time error '6':" followed by a blank line and "Overflow".
[[nodiscard]] QString failureReportText(const Failure& failure);

// The modal report of a failure that no step skips. The program goes on afterwards.
void showFailureReport(QWidget* parent, const Failure& failure);

}  // namespace skyanchor
