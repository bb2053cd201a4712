#include "ui/failure_report.hpp"

#include "text/number_text.hpp"

#include <QStringList>

namespace skyanchor {

QString failureReportText(const Failure& failure) {
    return QString::fromStdString(failure.report());
}

QString failureNoteText(const Failure& failure, const QString& accepts) {
    return accepts.isEmpty() ? failureReportText(failure) : failureReportText(failure) + QLatin1Char('\n') + accepts;
}

QString linesNeedText(std::string_view longitude, std::string_view mjd) {
    const auto readable = [](std::string_view text) {
        try {
            (void)parseLeadingNumber(text);
            return true;
        } catch (const Failure&) {
            return false;
        }
    };
    QStringList unreadable;
    if (!readable(longitude)) unreadable << QStringLiteral("a longitude");
    if (!readable(mjd)) unreadable << QStringLiteral("an MJD");
    if (unreadable.isEmpty()) return QStringLiteral("The lines cannot be computed from the longitude and MJD as they stand");
    return QStringLiteral("The lines wait for %1 that can be read as %2")
        .arg(unreadable.join(QStringLiteral(" and ")), unreadable.size() == 1 ? QStringLiteral("a number") : QStringLiteral("numbers"));
}

}  // namespace skyanchor
