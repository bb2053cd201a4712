#include "ui/number_reading.hpp"

#include "text/failure.hpp"

namespace skyanchor {

NumberConventions numberConventionsOf(const QLocale& locale) {
    return NumberConventions{.decimalComma = locale.decimalPoint() == QStringLiteral(",")};
}

QString readingNote(const QString& text, NumberConventions conventions) {
    const std::string compact = withoutBlanks(text.toStdString());
    const std::size_t length = leadingNumberLength(compact, conventions);
    if (length == compact.size()) return {};
    double value = 0.0;
    try {
        value = parseLeadingNumber(compact, conventions);
    } catch (const Failure&) {
        return {};
    }
    const QString readAs = QStringLiteral("Read as %1: ").arg(QString::fromStdString(formatNumber(value)));
    if (length == 0) return readAs + QStringLiteral("\"%1\" does not begin with a number").arg(QString::fromStdString(compact));
    return readAs + QStringLiteral("the rest (\"%1\") is not part of the number").arg(QString::fromStdString(compact.substr(length)));
}

}  // namespace skyanchor
