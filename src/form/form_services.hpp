#pragma once

#include "text/number_text.hpp"
#include "time/date_conventions.hpp"

#include <functional>
#include <memory>
#include <string>

namespace skyanchor {

// The two clipboard operations the copy buttons use, each a step that can fail.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual void clear() = 0;
    virtual void setText(const std::string& text) = 0;
};

// What the form takes from outside: the clock (a date serial in UT), the clipboard and the user's
// date and number conventions. The window passes the desktop's, the scripting mode and the tests
// their own.
struct FormServices {
    std::function<double()> readClock;
    std::shared_ptr<Clipboard> clipboard;
    DateLocale dateLocale;
    NumberConventions numbers;  // how the longitude and MJD texts are read
};

}  // namespace skyanchor
