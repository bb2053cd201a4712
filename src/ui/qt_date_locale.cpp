#include "ui/qt_date_locale.hpp"

namespace skyanchor {

DateLocale dateLocaleOf(const QLocale& locale) {
    // In the C/POSIX locale (cron jobs, containers) nobody can tell 12/8 from 8/12: ISO 8601.
    const bool posix = locale.language() == QLocale::C;
    DateLocale description{
        .shortDatePattern = posix ? "yyyy-MM-dd" : locale.dateFormat(QLocale::ShortFormat).toStdString(),
        .longTimePattern = posix ? "HH:mm:ss" : locale.timeFormat(QLocale::LongFormat).toStdString(),
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
        .standaloneDayNames = {},
        .icuLocale = posix ? "en_US_POSIX" : locale.bcp47Name().toStdString(),
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
        description.standaloneDayNames[index] = locale.standaloneDayName(day, QLocale::LongFormat).toStdString();
    }
    return description;
}

NumberConventions numberConventionsOf(const QLocale& locale) {
    return NumberConventions{.decimalComma = locale.decimalPoint() == QStringLiteral(",")};
}

}  // namespace skyanchor
