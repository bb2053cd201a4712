#pragma once

#include "time/date_conventions.hpp"

namespace skyanchor::test {

// Locale descriptions as Qt 6 gives them (QLocale of the name above each), so that tests, the
// benchmark and the fuzzer that run without Qt see real patterns and names in many scripts.
// en_US
inline const DateLocale kUnitedStates{
    .shortDatePattern = "M/d/yy",
    .longTimePattern = "h:mm:ss AP t",
    .monthNames = {"January", "February", "March", "April", "May", "June", "July", "August", "September", "October", "November", "December"},
    .monthAbbreviations = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"},
    .amText = "AM",
    .pmText = "PM",
    .longDatePattern = "dddd, MMMM d, yyyy",
    .shortTimePattern = "h:mm AP",
    .standaloneMonthNames = {"January", "February", "March", "April", "May", "June", "July", "August", "September", "October", "November", "December"},
    .standaloneMonthAbbreviations = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"},
    .dayNames = {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"},
    .dayAbbreviations = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"},
    .icuLocale = "en_US",
};
// de_DE
inline const DateLocale kGermany{
    .shortDatePattern = "dd.MM.yy",
    .longTimePattern = "HH:mm:ss t",
    .monthNames = {"Januar", "Februar", "März", "April", "Mai", "Juni", "Juli", "August", "September", "Oktober", "November", "Dezember"},
    .monthAbbreviations = {"Jan.", "Feb.", "März", "Apr.", "Mai", "Juni", "Juli", "Aug.", "Sept.", "Okt.", "Nov.", "Dez."},
    .amText = "AM",
    .pmText = "PM",
    .longDatePattern = "dddd, d. MMMM yyyy",
    .shortTimePattern = "HH:mm",
    .standaloneMonthNames = {"Januar", "Februar", "März", "April", "Mai", "Juni", "Juli", "August", "September", "Oktober", "November", "Dezember"},
    .standaloneMonthAbbreviations = {"Jan", "Feb", "Mär", "Apr", "Mai", "Jun", "Jul", "Aug", "Sep", "Okt", "Nov", "Dez"},
    .dayNames = {"Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag", "Samstag", "Sonntag"},
    .dayAbbreviations = {"Mo.", "Di.", "Mi.", "Do.", "Fr.", "Sa.", "So."},
    .icuLocale = "de_DE",
};
// ja_JP
inline const DateLocale kJapan{
    .shortDatePattern = "yyyy/MM/dd",
    .longTimePattern = "H時mm分ss秒 t",
    .monthNames = {"1月", "2月", "3月", "4月", "5月", "6月", "7月", "8月", "9月", "10月", "11月", "12月"},
    .monthAbbreviations = {"1月", "2月", "3月", "4月", "5月", "6月", "7月", "8月", "9月", "10月", "11月", "12月"},
    .amText = "午前",
    .pmText = "午後",
    .longDatePattern = "yyyy年M月d日dddd",
    .shortTimePattern = "H:mm",
    .standaloneMonthNames = {"1月", "2月", "3月", "4月", "5月", "6月", "7月", "8月", "9月", "10月", "11月", "12月"},
    .standaloneMonthAbbreviations = {"1月", "2月", "3月", "4月", "5月", "6月", "7月", "8月", "9月", "10月", "11月", "12月"},
    .dayNames = {"月曜日", "火曜日", "水曜日", "木曜日", "金曜日", "土曜日", "日曜日"},
    .dayAbbreviations = {"月", "火", "水", "木", "金", "土", "日"},
    .icuLocale = "ja_JP",
};
// C (ISO 8601: people there write no one order of day and month)
inline const DateLocale kPlainC{
    .shortDatePattern = "yyyy-MM-dd",
    .longTimePattern = "HH:mm:ss",
    .monthNames = {"January", "February", "March", "April", "May", "June", "July", "August", "September", "October", "November", "December"},
    .monthAbbreviations = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"},
    .amText = "AM",
    .pmText = "PM",
    .longDatePattern = "dddd, d MMMM yyyy",
    .shortTimePattern = "HH:mm:ss",
    .standaloneMonthNames = {"January", "February", "March", "April", "May", "June", "July", "August", "September", "October", "November", "December"},
    .standaloneMonthAbbreviations = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"},
    .dayNames = {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"},
    .dayAbbreviations = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"},
    .icuLocale = "C",
};
// ru_RU
inline const DateLocale kRussia{
    .shortDatePattern = "dd.MM.yyyy",
    .longTimePattern = "HH:mm:ss t",
    .monthNames = {"января", "февраля", "марта", "апреля", "мая", "июня", "июля", "августа", "сентября", "октября", "ноября", "декабря"},
    .monthAbbreviations = {"янв.", "февр.", "мар.", "апр.", "мая", "июн.", "июл.", "авг.", "сент.", "окт.", "нояб.", "дек."},
    .amText = "AM",
    .pmText = "PM",
    .longDatePattern = "dddd, d MMMM yyyy 'г'.",
    .shortTimePattern = "HH:mm",
    .standaloneMonthNames = {"январь", "февраль", "март", "апрель", "май", "июнь", "июль", "август", "сентябрь", "октябрь", "ноябрь", "декабрь"},
    .standaloneMonthAbbreviations = {"янв.", "февр.", "март", "апр.", "май", "июнь", "июль", "авг.", "сент.", "окт.", "нояб.", "дек."},
    .dayNames = {"понедельник", "вторник", "среда", "четверг", "пятница", "суббота", "воскресенье"},
    .dayAbbreviations = {"пн", "вт", "ср", "чт", "пт", "сб", "вс"},
    .icuLocale = "ru_RU",
};
// el_GR
inline const DateLocale kGreece{
    .shortDatePattern = "d/M/yy",
    .longTimePattern = "h:mm:ss AP t",
    .monthNames = {"Ιανουαρίου", "Φεβρουαρίου", "Μαρτίου", "Απριλίου", "Μαΐου", "Ιουνίου", "Ιουλίου", "Αυγούστου", "Σεπτεμβρίου", "Οκτωβρίου", "Νοεμβρίου", "Δεκεμβρίου"},
    .monthAbbreviations = {"Ιαν", "Φεβ", "Μαρ", "Απρ", "Μαΐ", "Ιουν", "Ιουλ", "Αυγ", "Σεπ", "Οκτ", "Νοε", "Δεκ"},
    .amText = "π.μ.",
    .pmText = "μ.μ.",
    .longDatePattern = "dddd d MMMM yyyy",
    .shortTimePattern = "h:mm AP",
    .standaloneMonthNames = {"Ιανουάριος", "Φεβρουάριος", "Μάρτιος", "Απρίλιος", "Μάιος", "Ιούνιος", "Ιούλιος", "Αύγουστος", "Σεπτέμβριος", "Οκτώβριος", "Νοέμβριος", "Δεκέμβριος"},
    .standaloneMonthAbbreviations = {"Ιαν", "Φεβ", "Μάρ", "Απρ", "Μάι", "Ιούν", "Ιούλ", "Αύγ", "Σεπ", "Οκτ", "Νοέ", "Δεκ"},
    .dayNames = {"Δευτέρα", "Τρίτη", "Τετάρτη", "Πέμπτη", "Παρασκευή", "Σάββατο", "Κυριακή"},
    .dayAbbreviations = {"Δευ", "Τρί", "Τετ", "Πέμ", "Παρ", "Σάβ", "Κυρ"},
    .icuLocale = "el_GR",
};
// ar_EG
inline const DateLocale kEgypt{
    .shortDatePattern = "d\u200F/M\u200F/yyyy",
    .longTimePattern = "h:mm:ss AP t",
    .monthNames = {"يناير", "فبراير", "مارس", "أبريل", "مايو", "يونيو", "يوليو", "أغسطس", "سبتمبر", "أكتوبر", "نوفمبر", "ديسمبر"},
    .monthAbbreviations = {"يناير", "فبراير", "مارس", "أبريل", "مايو", "يونيو", "يوليو", "أغسطس", "سبتمبر", "أكتوبر", "نوفمبر", "ديسمبر"},
    .amText = "ص",
    .pmText = "م",
    .longDatePattern = "dddd، d MMMM yyyy",
    .shortTimePattern = "h:mm AP",
    .standaloneMonthNames = {"يناير", "فبراير", "مارس", "أبريل", "مايو", "يونيو", "يوليو", "أغسطس", "سبتمبر", "أكتوبر", "نوفمبر", "ديسمبر"},
    .standaloneMonthAbbreviations = {"يناير", "فبراير", "مارس", "أبريل", "مايو", "يونيو", "يوليو", "أغسطس", "سبتمبر", "أكتوبر", "نوفمبر", "ديسمبر"},
    .dayNames = {"الاثنين", "الثلاثاء", "الأربعاء", "الخميس", "الجمعة", "السبت", "الأحد"},
    .dayAbbreviations = {"الاثنين", "الثلاثاء", "الأربعاء", "الخميس", "الجمعة", "السبت", "الأحد"},
    .icuLocale = "ar_EG",
};
// he_IL
inline const DateLocale kIsrael{
    .shortDatePattern = "d.M.yyyy",
    .longTimePattern = "H:mm:ss t",
    .monthNames = {"ינואר", "פברואר", "מרץ", "אפריל", "מאי", "יוני", "יולי", "אוגוסט", "ספטמבר", "אוקטובר", "נובמבר", "דצמבר"},
    .monthAbbreviations = {"ינו׳", "פבר׳", "מרץ", "אפר׳", "מאי", "יוני", "יולי", "אוג׳", "ספט׳", "אוק׳", "נוב׳", "דצמ׳"},
    .amText = "לפנה״צ",
    .pmText = "אחה״צ",
    .longDatePattern = "dddd, d בMMMM yyyy",
    .shortTimePattern = "H:mm",
    .standaloneMonthNames = {"ינואר", "פברואר", "מרץ", "אפריל", "מאי", "יוני", "יולי", "אוגוסט", "ספטמבר", "אוקטובר", "נובמבר", "דצמבר"},
    .standaloneMonthAbbreviations = {"ינו׳", "פבר׳", "מרץ", "אפר׳", "מאי", "יוני", "יולי", "אוג׳", "ספט׳", "אוק׳", "נוב׳", "דצמ׳"},
    .dayNames = {"יום שני", "יום שלישי", "יום רביעי", "יום חמישי", "יום שישי", "יום שבת", "יום ראשון"},
    .dayAbbreviations = {"יום ב׳", "יום ג׳", "יום ד׳", "יום ה׳", "יום ו׳", "שבת", "יום א׳"},
    .icuLocale = "he_IL",
};
// hi_IN
inline const DateLocale kIndia{
    .shortDatePattern = "d/M/yy",
    .longTimePattern = "h:mm:ss AP t",
    .monthNames = {"जनवरी", "फ़रवरी", "मार्च", "अप्रैल", "मई", "जून", "जुलाई", "अगस्त", "सितंबर", "अक्तूबर", "नवंबर", "दिसंबर"},
    .monthAbbreviations = {"जन॰", "फ़र॰", "मार्च", "अप्रैल", "मई", "जून", "जुल॰", "अग॰", "सित॰", "अक्तू॰", "नव॰", "दिस॰"},
    .amText = "am",
    .pmText = "pm",
    .longDatePattern = "dddd, d MMMM yyyy",
    .shortTimePattern = "h:mm AP",
    .standaloneMonthNames = {"जनवरी", "फ़रवरी", "मार्च", "अप्रैल", "मई", "जून", "जुलाई", "अगस्त", "सितंबर", "अक्तूबर", "नवंबर", "दिसंबर"},
    .standaloneMonthAbbreviations = {"जन॰", "फ़र॰", "मार्च", "अप्रैल", "मई", "जून", "जुल॰", "अग॰", "सित॰", "अक्तू॰", "नव॰", "दिस॰"},
    .dayNames = {"सोमवार", "मंगलवार", "बुधवार", "गुरुवार", "शुक्रवार", "शनिवार", "रविवार"},
    .dayAbbreviations = {"सोम", "मंगल", "बुध", "गुरु", "शुक्र", "शनि", "रवि"},
    .icuLocale = "hi_IN",
};
// bn_BD
inline const DateLocale kBangladesh{
    .shortDatePattern = "d/M/yy",
    .longTimePattern = "h:mm:ss AP t",
    .monthNames = {"জানুয়ারী", "ফেব্রুয়ারী", "মার্চ", "এপ্রিল", "মে", "জুন", "জুলাই", "আগস্ট", "সেপ্টেম্বর", "অক্টোবর", "নভেম্বর", "ডিসেম্বর"},
    .monthAbbreviations = {"জানু", "ফেব", "মার্চ", "এপ্রিল", "মে", "জুন", "জুলাই", "আগস্ট", "সেপ্টেম্বর", "অক্টোবর", "নভেম্বর", "ডিসেম্বর"},
    .amText = "AM",
    .pmText = "PM",
    .longDatePattern = "dddd, d MMMM, yyyy",
    .shortTimePattern = "h:mm AP",
    .standaloneMonthNames = {"জানুয়ারী", "ফেব্রুয়ারী", "মার্চ", "এপ্রিল", "মে", "জুন", "জুলাই", "আগস্ট", "সেপ্টেম্বর", "অক্টোবর", "নভেম্বর", "ডিসেম্বর"},
    .standaloneMonthAbbreviations = {"জানুয়ারী", "ফেব্রুয়ারী", "মার্চ", "এপ্রিল", "মে", "জুন", "জুলাই", "আগস্ট", "সেপ্টেম্বর", "অক্টোবর", "নভেম্বর", "ডিসেম্বর"},
    .dayNames = {"সোমবার", "মঙ্গলবার", "বুধবার", "বৃহস্পতিবার", "শুক্রবার", "শনিবার", "রবিবার"},
    .dayAbbreviations = {"সোম", "মঙ্গল", "বুধ", "বৃহস্পতি", "শুক্র", "শনি", "রবি"},
    .icuLocale = "bn_BD",
};
// ko_KR
inline const DateLocale kKorea{
    .shortDatePattern = "yy. M. d.",
    .longTimePattern = "AP h시 m분 s초 t",
    .monthNames = {"1월", "2월", "3월", "4월", "5월", "6월", "7월", "8월", "9월", "10월", "11월", "12월"},
    .monthAbbreviations = {"1월", "2월", "3월", "4월", "5월", "6월", "7월", "8월", "9월", "10월", "11월", "12월"},
    .amText = "오전",
    .pmText = "오후",
    .longDatePattern = "yyyy년 M월 d일 dddd",
    .shortTimePattern = "AP h:mm",
    .standaloneMonthNames = {"1월", "2월", "3월", "4월", "5월", "6월", "7월", "8월", "9월", "10월", "11월", "12월"},
    .standaloneMonthAbbreviations = {"1월", "2월", "3월", "4월", "5월", "6월", "7월", "8월", "9월", "10월", "11월", "12월"},
    .dayNames = {"월요일", "화요일", "수요일", "목요일", "금요일", "토요일", "일요일"},
    .dayAbbreviations = {"월", "화", "수", "목", "금", "토", "일"},
    .icuLocale = "ko_KR",
};
// th_TH
inline const DateLocale kThailand{
    .shortDatePattern = "d/M/yy",
    .longTimePattern = "H นาฬิกา mm นาที ss วินาที t",
    .monthNames = {"มกราคม", "กุมภาพันธ์", "มีนาคม", "เมษายน", "พฤษภาคม", "มิถุนายน", "กรกฎาคม", "สิงหาคม", "กันยายน", "ตุลาคม", "พฤศจิกายน", "ธันวาคม"},
    .monthAbbreviations = {"ม.ค.", "ก.พ.", "มี.ค.", "เม.ย.", "พ.ค.", "มิ.ย.", "ก.ค.", "ส.ค.", "ก.ย.", "ต.ค.", "พ.ย.", "ธ.ค."},
    .amText = "ก่อนเที่ยง",
    .pmText = "หลังเที่ยง",
    .longDatePattern = "ddddที่ d MMMM yyyy",
    .shortTimePattern = "HH:mm",
    .standaloneMonthNames = {"มกราคม", "กุมภาพันธ์", "มีนาคม", "เมษายน", "พฤษภาคม", "มิถุนายน", "กรกฎาคม", "สิงหาคม", "กันยายน", "ตุลาคม", "พฤศจิกายน", "ธันวาคม"},
    .standaloneMonthAbbreviations = {"ม.ค.", "ก.พ.", "มี.ค.", "เม.ย.", "พ.ค.", "มิ.ย.", "ก.ค.", "ส.ค.", "ก.ย.", "ต.ค.", "พ.ย.", "ธ.ค."},
    .dayNames = {"วันจันทร์", "วันอังคาร", "วันพุธ", "วันพฤหัสบดี", "วันศุกร์", "วันเสาร์", "วันอาทิตย์"},
    .dayAbbreviations = {"จ.", "อ.", "พ.", "พฤ.", "ศ.", "ส.", "อา."},
    .icuLocale = "th_TH",
};
// my_MM
inline const DateLocale kMyanmar{
    .shortDatePattern = "dd-MM-yy",
    .longTimePattern = "t HH:mm:ss",
    .monthNames = {"ဇန်နဝါရီ", "ဖေဖော်ဝါရီ", "မတ်", "ဧပြီ", "မေ", "ဇွန်", "ဇူလိုင်", "ဩဂုတ်", "စက်တင်ဘာ", "အောက်တိုဘာ", "နိုဝင်ဘာ", "ဒီဇင်ဘာ"},
    .monthAbbreviations = {"ဇန်", "ဖေ", "မတ်", "ဧ", "မေ", "ဇွန်", "ဇူ", "ဩ", "စက်", "အောက်", "နို", "ဒီ"},
    .amText = "နံနက်",
    .pmText = "ညနေ",
    .longDatePattern = "yyyy- MMMM d- dddd",
    .shortTimePattern = "H:mm",
    .standaloneMonthNames = {"ဇန်နဝါရီ", "ဖေဖော်ဝါရီ", "မတ်", "ဧပြီ", "မေ", "ဇွန်", "ဇူလိုင်", "ဩဂုတ်", "စက်တင်ဘာ", "အောက်တိုဘာ", "နိုဝင်ဘာ", "ဒီဇင်ဘာ"},
    .standaloneMonthAbbreviations = {"ဇန်", "ဖေ", "မတ်", "ဧ", "မေ", "ဇွန်", "ဇူ", "ဩ", "စက်", "အောက်", "နို", "ဒီ"},
    .dayNames = {"တနင်္လာ", "အင်္ဂါ", "ဗုဒ္ဓဟူး", "ကြာသပတေး", "သောကြာ", "စနေ", "တနင်္ဂနွေ"},
    .dayAbbreviations = {"တနင်္လာ", "အင်္ဂါ", "ဗုဒ္ဓဟူး", "ကြာသပတေး", "သောကြာ", "စနေ", "တနင်္ဂနွေ"},
    .icuLocale = "my_MM",
};
// fi_FI
inline const DateLocale kFinland{
    .shortDatePattern = "d.M.yyyy",
    .longTimePattern = "H.mm.ss t",
    .monthNames = {"tammikuuta", "helmikuuta", "maaliskuuta", "huhtikuuta", "toukokuuta", "kesäkuuta", "heinäkuuta", "elokuuta", "syyskuuta", "lokakuuta", "marraskuuta", "joulukuuta"},
    .monthAbbreviations = {"tammik.", "helmik.", "maalisk.", "huhtik.", "toukok.", "kesäk.", "heinäk.", "elok.", "syysk.", "lokak.", "marrask.", "jouluk."},
    .amText = "ap.",
    .pmText = "ip.",
    .longDatePattern = "dddd d. MMMM yyyy",
    .shortTimePattern = "H.mm",
    .standaloneMonthNames = {"tammikuu", "helmikuu", "maaliskuu", "huhtikuu", "toukokuu", "kesäkuu", "heinäkuu", "elokuu", "syyskuu", "lokakuu", "marraskuu", "joulukuu"},
    .standaloneMonthAbbreviations = {"tammi", "helmi", "maalis", "huhti", "touko", "kesä", "heinä", "elo", "syys", "loka", "marras", "joulu"},
    .dayNames = {"maanantaina", "tiistaina", "keskiviikkona", "torstaina", "perjantaina", "lauantaina", "sunnuntaina"},
    .dayAbbreviations = {"ma", "ti", "ke", "to", "pe", "la", "su"},
    .icuLocale = "fi_FI",
};
// fr_CA
inline const DateLocale kCanadaFrench{
    .shortDatePattern = "yyyy-MM-dd",
    .longTimePattern = "HH 'h' mm 'min' ss 's' t",
    .monthNames = {"janvier", "février", "mars", "avril", "mai", "juin", "juillet", "août", "septembre", "octobre", "novembre", "décembre"},
    .monthAbbreviations = {"janv.", "févr.", "mars", "avr.", "mai", "juin", "juill.", "août", "sept.", "oct.", "nov.", "déc."},
    .amText = "a.m.",
    .pmText = "p.m.",
    .longDatePattern = "dddd d MMMM yyyy",
    .shortTimePattern = "HH 'h' mm",
    .standaloneMonthNames = {"janvier", "février", "mars", "avril", "mai", "juin", "juillet", "août", "septembre", "octobre", "novembre", "décembre"},
    .standaloneMonthAbbreviations = {"janv.", "févr.", "mars", "avr.", "mai", "juin", "juill.", "août", "sept.", "oct.", "nov.", "déc."},
    .dayNames = {"lundi", "mardi", "mercredi", "jeudi", "vendredi", "samedi", "dimanche"},
    .dayAbbreviations = {"lun.", "mar.", "mer.", "jeu.", "ven.", "sam.", "dim."},
    .icuLocale = "fr_CA",
};
// es_US
inline const DateLocale kUnitedStatesSpanish{
    .shortDatePattern = "d/M/yyyy",
    .longTimePattern = "h:mm:ss AP t",
    .monthNames = {"enero", "febrero", "marzo", "abril", "mayo", "junio", "julio", "agosto", "septiembre", "octubre", "noviembre", "diciembre"},
    .monthAbbreviations = {"ene", "feb", "mar", "abr", "may", "jun", "jul", "ago", "sept", "oct", "nov", "dic"},
    .amText = "a.\u00A0m.",
    .pmText = "p.\u00A0m.",
    .longDatePattern = "dddd, d 'de' MMMM 'de' yyyy",
    .shortTimePattern = "h:mm AP",
    .standaloneMonthNames = {"enero", "febrero", "marzo", "abril", "mayo", "junio", "julio", "agosto", "septiembre", "octubre", "noviembre", "diciembre"},
    .standaloneMonthAbbreviations = {"ene", "feb", "mar", "abr", "may", "jun", "jul", "ago", "sept", "oct", "nov", "dic"},
    .dayNames = {"lunes", "martes", "miércoles", "jueves", "viernes", "sábado", "domingo"},
    .dayAbbreviations = {"lun", "mar", "mié", "jue", "vie", "sáb", "dom"},
    .icuLocale = "es_US",
};
// zh_TW
inline const DateLocale kTaiwan{
    .shortDatePattern = "yyyy/M/d",
    .longTimePattern = "Bh:mm:ss [t]",
    .monthNames = {"1月", "2月", "3月", "4月", "5月", "6月", "7月", "8月", "9月", "10月", "11月", "12月"},
    .monthAbbreviations = {"1月", "2月", "3月", "4月", "5月", "6月", "7月", "8月", "9月", "10月", "11月", "12月"},
    .amText = "上午",
    .pmText = "下午",
    .longDatePattern = "yyyy年M月d日 dddd",
    .shortTimePattern = "Bh:mm",
    .standaloneMonthNames = {"1月", "2月", "3月", "4月", "5月", "6月", "7月", "8月", "9月", "10月", "11月", "12月"},
    .standaloneMonthAbbreviations = {"1月", "2月", "3月", "4月", "5月", "6月", "7月", "8月", "9月", "10月", "11月", "12月"},
    .dayNames = {"星期一", "星期二", "星期三", "星期四", "星期五", "星期六", "星期日"},
    .dayAbbreviations = {"週一", "週二", "週三", "週四", "週五", "週六", "週日"},
    .icuLocale = "zh_TW",
};
// fa_IR
inline const DateLocale kIran{
    .shortDatePattern = "yyyy/M/d",
    .longTimePattern = "H:mm:ss (t)",
    .monthNames = {"ژانویهٔ", "فوریهٔ", "مارس", "آوریل", "مهٔ", "ژوئن", "ژوئیهٔ", "اوت", "سپتامبر", "اکتبر", "نوامبر", "دسامبر"},
    .monthAbbreviations = {"ژانویه", "فوریه", "مارس", "آوریل", "مه", "ژوئن", "ژوئیه", "اوت", "سپتامبر", "اکتبر", "نوامبر", "دسامبر"},
    .amText = "قبل\u200Cازظهر",
    .pmText = "بعدازظهر",
    .longDatePattern = "dddd d MMMM yyyy",
    .shortTimePattern = "H:mm",
    .standaloneMonthNames = {"ژانویه", "فوریه", "مارس", "آوریل", "مه", "ژوئن", "ژوئیه", "اوت", "سپتامبر", "اکتبر", "نوامبر", "دسامبر"},
    .standaloneMonthAbbreviations = {"ژانویه", "فوریه", "مارس", "آوریل", "مه", "ژوئن", "ژوئیه", "اوت", "سپتامبر", "اکتبر", "نوامبر", "دسامبر"},
    .dayNames = {"دوشنبه", "سه\u200Cشنبه", "چهارشنبه", "پنجشنبه", "جمعه", "شنبه", "یکشنبه"},
    .dayAbbreviations = {"دوشنبه", "سه\u200Cشنبه", "چهارشنبه", "پنجشنبه", "جمعه", "شنبه", "یکشنبه"},
    .icuLocale = "fa_IR",
};

}  // namespace skyanchor::test
