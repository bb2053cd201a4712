#pragma once

#include <string>
#include <string_view>

// The window's own words: its title, captions, what a screen reader hears of each control, and the
// confirmations of a copy.
namespace skyanchor::words {

inline constexpr std::string_view kWindowTitle = "Skyanchor Satellite";

// Captions as the window shows them.
inline constexpr std::string_view kLongitudeCaption = "Longitude";
inline constexpr std::string_view kEastCaption = "East";
inline constexpr std::string_view kWestCaption = "West";
inline constexpr std::string_view kDateCaption = "Date and Time (UT)";
inline constexpr std::string_view kMjdCaption = "MJD";
inline constexpr std::string_view kCopyMjdCaption = "Copy MJD to clipboard";
inline constexpr std::string_view kCopyVectorsCaption = "Copy Vectors to Clipboard";
inline constexpr std::string_view kCloseCaption = "Close";

// The letter of each caption that reaches its control with Alt, shown underlined where the desktop
// underlines them; each is a letter of its caption, as written there, and no two are alike.
inline constexpr char kLongitudeKey = 'L';
inline constexpr char kEastKey = 'E';
inline constexpr char kWestKey = 'W';
inline constexpr char kDateKey = 'D';
inline constexpr char kMjdKey = 'M';
inline constexpr char kCopyMjdKey = 'p';
inline constexpr char kCopyVectorsKey = 'V';
inline constexpr char kCloseKey = 'C';

// A control's accessible name and its description, which is also its tooltip.
struct Described {
    std::string_view name;
    std::string_view description;
};
inline constexpr Described kSatelliteGroup{"Stationary satellite",
                                           "The satellite's longitude and instant, and the position and velocity lines "
                                           "computed from them"};
inline constexpr Described kLongitudeGroup{"Longitude", "The satellite's longitude in degrees, East or West"};
inline constexpr Described kLongitudeField{"Longitude in degrees",
                                           "The longitude over which the satellite stands, in degrees; East or West is "
                                           "chosen beside it"};
inline constexpr Described kEastButton{"East", "The longitude counts east of the prime meridian"};
inline constexpr Described kWestButton{"West", "The longitude counts west of the prime meridian"};
inline constexpr Described kDateGroup{"Date and Time (UT)", "The instant as a date and time in Universal Time"};
inline constexpr Described kMjdGroup{"MJD", "The instant as a Modified Julian Date"};
inline constexpr Described kMjdField{"Modified Julian Date",
                                     "The same instant as a Modified Julian Date, in days; the date and time follow it"};
inline constexpr Described kLinesList{"Position and velocity lines",
                                      "The RPOS line gives the satellite's position in metres, the RVEL line its velocity "
                                      "in metres per second"};
inline constexpr std::string_view kCopyMjdDescription = "Copies the Modified Julian Date to the clipboard";
inline constexpr std::string_view kCopyVectorsDescription = "Copies the position and velocity lines to the clipboard";
inline constexpr std::string_view kCloseDescription = "Closes the window and ends the program";
inline constexpr std::string_view kDateFieldName = "Date and time in UT";
// The date field's description, with an example of the user's own form.
[[nodiscard]] std::string dateFieldDescription(std::string_view example);

// Confirmations of a copy, shown for a moment.
inline constexpr std::string_view kLinesCopied = "RPOS and RVEL lines copied";
inline constexpr std::string_view kLineCopied = "Line copied";
inline constexpr std::string_view kMjdCopied = "MJD copied";

// What a screen reader says of a message besides its text, as its icon says it to the eye.
inline constexpr std::string_view kErrorWord = "Error";
inline constexpr std::string_view kWarningWord = "Warning";
inline constexpr std::string_view kDoneWord = "Done";
// The band's name while it reads the result back; the result itself is its description.
inline constexpr std::string_view kReadoutWord = "Result";

// The button in the form's margin that shows or hides the satellite set and the picture: checked
// while they are shown, its arrow pointing the way the window will change.
inline constexpr std::string_view kShowBeside = "\u203A";  // ›
inline constexpr std::string_view kHideBeside = "\u2039";  // ‹
inline constexpr Described kBesideToggle{"Satellite set and picture",
                                         "Shows or hides the satellite set and the picture of the equatorial plane "
                                         "beside the form, widening or narrowing the window"};
// What stands beside the form, as a screen reader meets it.
inline constexpr std::string_view kBesideName = "Satellite set and equatorial plane";

}  // namespace skyanchor::words
