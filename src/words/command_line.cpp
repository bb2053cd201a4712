#include "words/command_line.hpp"

#include "base/utf8_text.hpp"

namespace skyanchor::words {

std::string argument(std::string_view text) { return '"' + excerpt(text) + '"'; }

std::string longitudeOptionHelp(std::string_view defaultLongitude) {
    return "Longitude in degrees, read as the window reads it, where the locale's decimal comma may stand for the point "
           "(default " +
           std::string(defaultLongitude) + "). Repeat it for several satellites: two lines each, in order.";
}

std::string unexpectedArgument(std::string_view given) { return "Unexpected argument '" + excerpt(given) + "'."; }

std::string giveOnce(std::string_view option) { return "Give --" + std::string(option) + " once."; }

std::string notANumber(std::string_view option, std::string_view given, std::string_view number, std::string_view rest) {
    const std::string said = "--" + std::string(option) + ' ' + argument(given) + " is not a number";
    if (number.empty()) return said;
    return said + ": the number " + argument(number) + " is followed by " + argument(rest);
}

std::string tooLongForAField(std::string_view option, std::string_view given, std::size_t characters, std::size_t limit) {
    return "--" + std::string(option) + ' ' + argument(given) + " has " + std::to_string(characters) +
           " characters: a field holds at most " + std::to_string(limit) + '.';
}

std::string notUtf8(std::string_view named, std::string_view shown, std::size_t bytePosition, std::string_view hex) {
    return std::string(named) + ' ' + argument(shown) + " is not UTF-8 text: byte " + std::to_string(bytePosition) + " (0x" +
           std::string(hex) + ") is no part of a character. Give the text in UTF-8.";
}

std::string cannotWriteOutput(std::string_view reason) { return "cannot write to standard output: " + std::string(reason); }

std::string cannotOpenWindow(std::string_view reasons) { return "cannot open the window: " + std::string(reasons); }

std::string noXServer(std::string_view display) {
    return "cannot open display " + std::string(display) + ": no X server answers there";
}

}  // namespace skyanchor::words
