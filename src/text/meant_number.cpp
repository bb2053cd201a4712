#include "text/meant_number.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

namespace skyanchor {
namespace {

using namespace std::string_view_literals;

constexpr double kMinutesPerDegree = 60.0;

// Direction words as people type them beside a longitude, in lower case; a lone "o" is left out,
// since it is East in German and West in Spanish.
constexpr std::array kEastWords{"e"sv, "east"sv, "ost"sv, "osten"sv, "est"sv, "este"sv};
constexpr std::array kWestWords{"w"sv, "west"sv, "westen"sv, "ouest"sv, "oeste"sv, "ovest"sv};
constexpr std::array kDegreeSigns{"\u00B0"sv, "\u00BA"sv};                   // ° and the ordinal º typed for it
constexpr std::array kMinuteSigns{"'"sv, "\u2032"sv, "\u2019"sv};            // ' ′ ’
constexpr std::array kSecondSigns{"\""sv, "''"sv, "\u2033"sv, "\u201D"sv};   // " '' ″ ”

bool isAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

TypedDirection directionOf(std::string_view word) {
    std::string lower(word);
    std::transform(lower.begin(), lower.end(), lower.begin(), lowerAscii);
    if (std::find(kEastWords.begin(), kEastWords.end(), lower) != kEastWords.end()) return TypedDirection::East;
    if (std::find(kWestWords.begin(), kWestWords.end(), lower) != kWestWords.end()) return TypedDirection::West;
    return TypedDirection::None;
}

// A cursor over a text without blanks, taking its parts from the front.
class Parts {
public:
    Parts(std::string_view text, NumberConventions typed) : rest(text), conventions(typed) {}

    [[nodiscard]] bool done() const { return rest.empty(); }

    // A run of ASCII letters, with a ':' or '=' after it.
    std::string_view word() {
        const auto end = std::find_if_not(rest.begin(), rest.end(), isAsciiLetter);
        const std::string_view taken = rest.substr(0, static_cast<std::size_t>(end - rest.begin()));
        rest.remove_prefix(taken.size());
        if (!taken.empty() && (rest.starts_with(':') || rest.starts_with('='))) rest.remove_prefix(1);
        return taken;
    }

    // A number in the conventions, or with a comma for its decimal point where they take a point.
    std::optional<double> number() {
        for (const NumberConventions reading : {conventions, NumberConventions{.decimalComma = true}}) {
            const std::size_t length = leadingNumberLength(rest, reading);
            const bool followed = length < rest.size() && rest[length] == ',';
            if (length == 0 || (followed && !reading.decimalComma)) continue;
            const Result<double> value = parseLeadingNumber(rest.substr(0, length), reading);
            if (!value) return std::nullopt;
            rest.remove_prefix(length);
            return *value;
        }
        return std::nullopt;
    }

    template <std::size_t N>
    bool sign(const std::array<std::string_view, N>& signs) {
        for (const std::string_view s : signs) {
            if (rest.starts_with(s)) {
                rest.remove_prefix(s.size());
                return true;
            }
        }
        return false;
    }

    // Minutes, or seconds, of arc: a number below 60 and its sign; nothing taken otherwise.
    template <std::size_t N>
    double sixtieths(const std::array<std::string_view, N>& signs) {
        Parts trial = *this;
        const std::optional<double> value = trial.number();
        if (!value || *value < 0.0 || *value >= kMinutesPerDegree || !trial.sign(signs)) return 0.0;
        *this = trial;
        return *value / kMinutesPerDegree;
    }

private:
    std::string_view rest;
    NumberConventions conventions;
};

// Degrees, then minutes and seconds where the degree sign stands; a sign alone marks degrees too.
std::optional<double> angleOf(Parts& parts) {
    const std::optional<double> degrees = parts.number();
    if (!degrees || !parts.sign(kDegreeSigns)) return degrees;
    const double minutes = parts.sixtieths(kMinuteSigns);
    const double fraction = minutes + parts.sixtieths(kSecondSigns) / kMinutesPerDegree;
    return std::signbit(*degrees) ? *degrees - fraction : *degrees + fraction;
}

}  // namespace

std::optional<MeantNumber> meantNumber(std::string_view text, NumberConventions conventions, bool angle) {
    const std::string compact = withoutBlanks(text);
    if (compact.empty() || isReadWhole(compact, conventions)) return std::nullopt;
    Parts parts(compact, conventions);
    const std::string_view label = parts.word();
    MeantNumber meant;
    if (angle) meant.direction = directionOf(label);
    const std::optional<double> number = angle ? angleOf(parts) : parts.number();
    if (!number) return std::nullopt;
    meant.number = *number;
    if (angle && meant.direction == TypedDirection::None) {
        const std::string_view after = parts.word();
        meant.direction = directionOf(after);
        if (!after.empty() && meant.direction == TypedDirection::None) return std::nullopt;
    }
    if (!parts.done()) return std::nullopt;
    return meant;
}

}  // namespace skyanchor
