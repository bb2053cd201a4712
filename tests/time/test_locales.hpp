#pragma once

#include "time/date_locale.hpp"

namespace skyanchor::test {

inline const std::array<std::string, 12> kEnglishMonths = {"January", "February", "March", "April", "May", "June", "July",
                                                            "August", "September", "October", "November", "December"};
inline const std::array<std::string, 12> kEnglishAbbreviations = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                                  "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
inline const std::array<std::string, 12> kGermanMonths = {"Januar", "Februar", "März", "April", "Mai", "Juni", "Juli",
                                                          "August", "September", "Oktober", "November", "Dezember"};
inline const std::array<std::string, 12> kGermanAbbreviations = {"Jan.", "Feb.", "März", "Apr.", "Mai", "Juni",
                                                                 "Juli", "Aug.", "Sept.", "Okt.", "Nov.", "Dez."};
inline const std::array<std::string, 12> kJapaneseMonths = {"1月", "2月", "3月", "4月",  "5月",  "6月",
                                                            "7月", "8月", "9月", "10月", "11月", "12月"};

// The patterns and names the desktop's locales give for these languages.
inline const DateLocale kUnitedStates{"M/d/yy", "h:mm:ss AP t", kEnglishMonths, kEnglishAbbreviations, "AM", "PM"};
inline const DateLocale kGermany{"dd.MM.yy", "HH:mm:ss t", kGermanMonths, kGermanAbbreviations, "AM", "PM"};
inline const DateLocale kJapan{"yyyy/MM/dd", "H時mm分ss秒 t", kJapaneseMonths, kJapaneseMonths, "午前", "午後"};
inline const DateLocale kPlainC{"d MMM yyyy", "HH:mm:ss t", kEnglishMonths, kEnglishAbbreviations, "AM", "PM"};

}  // namespace skyanchor::test
