#include "ui/failure_report.hpp"

#include <QMessageBox>

namespace skyanchor {

QString failureReportText(const Failure& failure) {
    return QStringLiteral("Run-time error '%1':\n\n%2").arg(failure.number()).arg(QString::fromStdString(failure.description()));
}

void showFailureReport(QWidget* parent, const Failure& failure) {
    QMessageBox::critical(parent, QStringLiteral("Skyanchor Satellite"), failureReportText(failure));
}

}  // namespace skyanchor
