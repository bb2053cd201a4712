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
        .longDatePattern = locale.dateFormat(QLocale::LongFormat).toStdString(),
        .shortTimePattern = locale.timeFormat(QLocale::ShortFormat).toStdString(),
        .standaloneMonthNames = {},
        .standaloneMonthAbbreviations = {},
        .dayNames = {},
        .dayAbbreviations = {},
    };
    for (std::size_t index = 0; index < 12; ++index) {
        const int month = static_cast<int>(index) + 1;
        description.monthNames[index] = locale.monthName(month, QLocale::LongFormat).toStdString();
        description.monthAbbreviations[index] = locale.monthName(month, QLocale::ShortFormat).toStdString();
        description.standaloneMonthNames[index] = locale.standaloneMonthName(month, QLocale::LongFormat).toStdString();
        description.standaloneMonthAbbreviations[index] =
            locale.standaloneMonthName(month, QLocale::ShortFormat).toStdString();
    }
    for (std::size_t index = 0; index < 7; ++index) {
        const int day = static_cast<int>(index) + 1;
        description.dayNames[index] = locale.dayName(day, QLocale::LongFormat).toStdString();
        description.dayAbbreviations[index] = locale.dayName(day, QLocale::ShortFormat).toStdString();
    }
    return description;
}

NumberConventions numberConventionsOf(const QLocale& locale) {
    return NumberConventions{.decimalComma = locale.decimalPoint() == QStringLiteral(",")};
}

}  // namespace skyanchor
