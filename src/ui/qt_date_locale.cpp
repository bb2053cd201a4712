#include "ui/qt_date_locale.hpp"

namespace skyanchor {

DateLocale dateLocaleOf(const QLocale& locale) {
    DateLocale description{
        .shortDatePattern = locale.dateFormat(QLocale::ShortFormat).toStdString(),
        .longTimePattern = locale.timeFormat(QLocale::LongFormat).toStdString(),
        .monthNames = {},
        .monthAbbreviations = {},
        .amText = locale.amText().toStdString(),
        .pmText = locale.pmText().toStdString(),
    };
    for (int month = 1; month <= 12; ++month) {
        description.monthNames[month - 1] = locale.monthName(month, QLocale::LongFormat).toStdString();
        description.monthAbbreviations[month - 1] = locale.monthName(month, QLocale::ShortFormat).toStdString();
    }
    return description;
}

}  // namespace skyanchor
