#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The satellite set's words: its panel, its file's refusals, its copy, and the scripting mode's
// options for several satellites.
namespace skyanchor::words {

// A row as the list shows it: "122 W", "75.5 E".
[[nodiscard]] std::string satelliteRow(std::string_view longitude, bool west);
// A row that has no lines at the instant, as the list marks it.
[[nodiscard]] std::string uncomputedRow(std::string_view row);

// The panel's captions; "&" marks the mnemonic, chosen apart from the form's.
inline constexpr std::string_view kSetCaption = "Satellite set";
inline constexpr std::string_view kAddToSetCaption = "&Add to set";
inline constexpr std::string_view kRemoveCaption = "&Remove";
inline constexpr std::string_view kUpCaption = "&Up";
inline constexpr std::string_view kDownCaption = "Dow&n";
inline constexpr std::string_view kRingCountCaption = "Ring si&ze";
inline constexpr std::string_view kRingStepCaption = "Step in de&grees";
inline constexpr std::string_view kAddRingCaption = "Add r&ing";
inline constexpr std::string_view kCopySetCaption = "Cop&y set";
inline constexpr std::string_view kSaveSetCaption = "Save set\u2026";
inline constexpr std::string_view kOpenSetCaption = "Open set\u2026";
inline constexpr std::string_view kSetFileFilter = "Satellite sets (*.txt);;All files (*)";

// What a screen reader hears of the panel's controls, and their tooltips.
inline constexpr std::string_view kSetListName = "Satellites in the set";
inline constexpr std::string_view kSetListDescription =
    "Each satellite's longitude and direction; its lines follow the form's instant";
inline constexpr std::string_view kAddToSetDescription = "Adds the form's satellite to the end of the set";
inline constexpr std::string_view kRemoveDescription = "Removes the chosen satellite from the set";
inline constexpr std::string_view kUpDescription = "Moves the chosen satellite one place up";
inline constexpr std::string_view kDownDescription = "Moves the chosen satellite one place down";
inline constexpr std::string_view kRingCountDescription = "How many satellites the ring adds";
inline constexpr std::string_view kRingStepDescription = "Degrees eastward from one ring satellite to the next";
inline constexpr std::string_view kAddRingDescription =
    "Adds a ring starting at the form's longitude, each satellite the step further east";
inline constexpr std::string_view kCopySetDescription =
    "Copies every satellite's position and velocity lines to the clipboard, in the set's order";
inline constexpr std::string_view kSaveSetDescription = "Saves the set as a text file, one satellite per line";
inline constexpr std::string_view kOpenSetDescription = "Replaces the set by one read from a text file";

// Copying the set.
[[nodiscard]] std::string setCopied(std::size_t satellites);
inline constexpr std::string_view kEmptySet = "The set is empty: add a satellite first.";
// "Satellite 3 (122 W) has no lines at this instant, so the set is not copied", before the failure's number.
[[nodiscard]] std::string rowBlocksCopy(std::size_t row, std::string_view rowText);

// Reading a set file: one satellite per line, "#" comment lines and blank lines allowed.
[[nodiscard]] std::string setLineNoDirection(std::size_t line, std::string_view text);
[[nodiscard]] std::string setLineNoLongitude(std::size_t line, std::string_view text);
[[nodiscard]] std::string setFileUnreadable(std::string_view file, std::string_view reason);
[[nodiscard]] std::string setFileNotSaved(std::string_view file, std::string_view reason);
[[nodiscard]] std::string setFileInFile(std::string_view file, std::string_view refusal);
[[nodiscard]] std::string setOpened(std::size_t satellites);
// The kept set of an earlier run that cannot be read: set aside, never overwritten.
[[nodiscard]] std::string keptSetSetAside(std::string_view refusal, std::string_view asideFile);
inline constexpr std::string_view kSetSaved = "Set saved";
inline constexpr std::string_view kSetFileTooLong = "it is longer than the 4 MB a set file may hold";
inline constexpr std::string_view kNotUtf8 = "It is not UTF-8 text.";

// The scripting mode's options for several satellites.
inline constexpr std::string_view kLongitudeDirectionHelp = "Each may carry its own direction: 75.5E, 122W.";
inline constexpr std::string_view kLongitudesOptionHelp =
    "Satellites from start to stop (included) every step degrees, counted eastward and past 180 into the West "
    "(0:350:10 is 0 E to 170 E, then 180 W to 10 W).";
inline constexpr std::string_view kSetOptionHelp =
    "Satellites read from a set file as the window saves it: one per line, such as \"122 W\", \"#\" comments allowed.";
inline constexpr std::string_view kFormatOptionHelp =
    "How each satellite is written: lines (the default, the two lines), csv (a header and one row per satellite) or "
    "json (an array of objects): longitude, direction, MJD, the instant in UT and the six numbers of the lines.";
[[nodiscard]] std::string notARange(std::string_view given);
[[nodiscard]] std::string tooManySatellites(std::string_view given, std::size_t limit);
[[nodiscard]] std::string unknownFormat(std::string_view given);
inline constexpr std::string_view kEmptySetFile = "It holds no satellite.";

}  // namespace skyanchor::words
