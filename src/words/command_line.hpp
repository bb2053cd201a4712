#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// What the program says on the command line: the help, and its mistakes and failures on standard
// error. An argument given is echoed in shell quotes, as it was typed.
namespace skyanchor::words {

// "\"12x\"": at most the start of an argument, in the quotes a shell would take it in.
[[nodiscard]] std::string argument(std::string_view text);

// The help.
inline constexpr std::string_view kProgramDescription =
    "Writes the RPOS and RVEL lines of a satellite in a stationary orbit over a longitude.\n"
    "Without options, or with only Qt's own (-style Fusion, -reverse, -platform name, ...), it\n"
    "opens the window; with any of the options below it prints the lines to standard output\n"
    "instead and opens no window.";
[[nodiscard]] std::string longitudeOptionHelp(std::string_view defaultLongitude);
inline constexpr std::string_view kEastOptionHelp = "The longitude is East.";
inline constexpr std::string_view kWestOptionHelp = "The longitude is West (the default, as in the window).";
inline constexpr std::string_view kMjdOptionHelp =
    "The instant as a Modified Julian Date, read as the MJD field reads it (a decimal comma as the longitude's).";
inline constexpr std::string_view kDateOptionHelp =
    "The instant as a date and time (UT) in your locale's form, read as the date field reads it. Without --mjd or "
    "--date: the present instant.";
inline constexpr std::string_view kMjdOnlyOptionHelp =
    "Print only the MJD text the window's MJD field would hold (what \"Copy MJD to clipboard\" copies), no lines.";
inline constexpr std::string_view kHelpOptionHelp = "Displays help on commandline options.";
inline constexpr std::string_view kUsageFooter =
    "\nExamples:\n"
    "  skyanchor-satellite --longitude 122 --mjd 51544.5\n"
    "      The lines for 122 degrees West at noon UT on 1 January 2000.\n"
    "  skyanchor-satellite --east --longitude 0 --longitude 60 --date \"3/4/2026 6:00 PM\"\n"
    "      Satellites at 0 and 60 degrees East, at a date in the United States' form.\n"
    "\nExit status:\n"
    "  0  The lines (or the MJD, or this help) were printed.\n"
    "  1  The inputs leave no lines, an option's text is not taken (a number option not a number as\n"
    "     a whole, more than 200 characters, bytes that are no UTF-8), or standard output cannot be\n"
    "     written; one line on standard error says why.\n"
    "  2  A usage mistake; the usage follows on standard error.\n";

// Usage mistakes.
[[nodiscard]] std::string unexpectedArgument(std::string_view given);
inline constexpr std::string_view kEastAndWest = "Give --east or --west, not both.";
inline constexpr std::string_view kMjdAndDate = "Give --mjd or --date, not both.";
[[nodiscard]] std::string giveOnce(std::string_view option);
inline constexpr std::string_view kMjdOnlyTakesNoLongitude = "--mjd-only prints no lines: it takes no --longitude, --longitudes, --set, --east or --west.";

// An option's text that the window's fields would not take as given.
// "--mjd \"12x\" is not a number: the number \"12\" is followed by \"x\"".
[[nodiscard]] std::string notANumber(std::string_view option, std::string_view given, std::string_view number,
                                     std::string_view rest);
[[nodiscard]] std::string tooLongForAField(std::string_view option, std::string_view given, std::size_t characters,
                                           std::size_t limit);
// "--date \"12/8/2026\\xFF 10:00\" is not UTF-8 text: byte 10 (0xFF) is no part of a character. ..."
[[nodiscard]] std::string notUtf8(std::string_view named, std::string_view shown, std::size_t bytePosition,
                                  std::string_view hex);

// Failures of the program itself.
[[nodiscard]] std::string cannotWriteOutput(std::string_view reason);
inline constexpr std::string_view kNoDisplay = "no display found (DISPLAY is not set); run it in a desktop session";
[[nodiscard]] std::string cannotOpenWindow(std::string_view reasons);
[[nodiscard]] std::string noXServer(std::string_view display);

}  // namespace skyanchor::words
