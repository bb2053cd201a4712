#pragma once

#include "base/result.hpp"
#include "text/number_text.hpp"
#include "time/date_conventions.hpp"

#include <functional>
#include <memory>
#include <string>

namespace skyanchor {

// The two clipboard operations the copy buttons use. Setting the text fails when another program
// keeps the clipboard from taking it.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual void clear() = 0;
    virtual Status setText(const std::string& text) = 0;
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
