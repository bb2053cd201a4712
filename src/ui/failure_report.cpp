#include "ui/failure_report.hpp"

namespace skyanchor {

QString failureReportText(const Failure& failure) {
    return QStringLiteral("Run-time error '%1': %2").arg(failure.number()).arg(QString::fromStdString(failure.description()));
}

QString failureNoteText(const Failure& failure, const QString& accepts) {
    return accepts.isEmpty() ? failureReportText(failure) : failureReportText(failure) + QLatin1Char('\n') + accepts;
}

}  // namespace skyanchor
