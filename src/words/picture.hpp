#pragma once

#include <span>
#include <string>
#include <string_view>

// The words of the picture of the equatorial plane: its labels and what a screen reader hears.
namespace skyanchor::words {

inline constexpr std::string_view kPictureName = "Equatorial plane";
inline constexpr std::string_view kEquinoxLabel = "Vernal equinox";
inline constexpr std::string_view kGreenwichLabel = "Greenwich";

// Where one satellite stands: its longitude as a number text (no sign) and its side.
struct Standing {
    std::string degrees;
    bool west = false;
    bool current = false;
};

// The picture's text alternative: where the Greenwich meridian points (degrees east of the
// vernal equinox) and where each satellite stands, numbered from 1 in their order, e.g.
// "... Satellite 1 (current): 122° West; Satellite 2: 10° East".
[[nodiscard]] std::string pictureText(std::string_view meridianDegrees, std::span<const Standing> standings);

}  // namespace skyanchor::words
