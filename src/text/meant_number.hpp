#pragma once

#include "text/number_text.hpp"

#include <optional>
#include <string_view>

namespace skyanchor {

// A direction typed beside a longitude's number.
enum class TypedDirection { None, East, West };

// What a number text that is not read whole was plainly meant as, so that a note can say what to
// type instead: the number after a label ("MJD 60000"), with the other decimal mark ("51544,5"
// where the point is the rule), and for an angle in degrees and minutes ("45°30'", "45° 30′ 15″")
// or with its direction before or after it ("75.5 E", "75.5°W", "75.5 Ost", "W 75.5").
struct MeantNumber {
    double number = 0.0;
    TypedDirection direction = TypedDirection::None;
};

// None for a text read whole, and for one whose meaning is not plain ("12o", "abc").
[[nodiscard]] std::optional<MeantNumber> meantNumber(std::string_view text, NumberConventions conventions, bool angle);

}  // namespace skyanchor
