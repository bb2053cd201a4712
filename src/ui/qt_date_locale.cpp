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
    for (std::size_t index = 0; index < 12; ++index) {
        const int month = static_cast<int>(index) + 1;
        description.monthNames[index] = locale.monthName(month, QLocale::LongFormat).toStdString();
        description.monthAbbreviations[index] = locale.monthName(month, QLocale::ShortFormat).toStdString();
    }
    return description;
}

}  // namespace skyanchor
