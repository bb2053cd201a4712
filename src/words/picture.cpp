#include "words/picture.hpp"

#include "words/window.hpp"

namespace skyanchor::words {

std::string pictureText(std::string_view meridianDegrees, std::span<const Standing> standings) {
    std::string text = "Seen from above the North Pole, the Earth turns counterclockwise; its Greenwich meridian points " +
                       std::string(meridianDegrees) + "\u00B0 east of the vernal equinox. ";
    if (standings.empty()) return text + "No satellite.";
    for (std::size_t index = 0; index < standings.size(); ++index) {
        const Standing& standing = standings[index];
        if (index > 0) text += "; ";
        text += "Satellite " + std::to_string(index + 1) + (standing.current ? " (current): " : ": ") + standing.degrees +
                "\u00B0 " + std::string(standing.west ? kWestCaption : kEastCaption);
    }
    return text + ".";
}

}  // namespace skyanchor::words
