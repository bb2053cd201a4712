#pragma once

#include "icu_date_locale.hpp"
#include "test_locales.hpp"
#include "time/date_text_codec.hpp"

#include <map>
#include <memory>
#include <string>

namespace skyanchor::test {

// Each locale compiled once for the whole run.
template <const DateLocale& locale>
const DateTextCodec& codecOf() {
    static const DateTextCodec codec(locale);
    return codec;
}

// Locales as ICU describes them; "en_CA/Qt" has Qt's short pattern beside ICU's everyday one.
inline const DateTextCodec& icuCodecOf(const std::string& name) {
    static std::map<std::string, std::unique_ptr<DateTextCodec>> codecs;
    auto& codec = codecs[name];
    if (!codec) {
        DateLocale locale = dateLocaleFromIcu(name.substr(0, name.find('/')));
        if (name == "en_CA/Qt") locale.shortDatePattern = "yyyy-MM-dd";
        codec = std::make_unique<DateTextCodec>(locale);
    }
    return *codec;
}

}  // namespace skyanchor::test
