#include "words/window.hpp"

namespace skyanchor::words {

std::string dateFieldDescription(std::string_view example) {
    return "The instant as a date and time in Universal Time, in the Gregorian calendar, written in your form, for "
           "example " +
           std::string(example);
}

}  // namespace skyanchor::words
