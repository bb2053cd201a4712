#include "base/utf8_text.hpp"

#include <unicode/uchar.h>
#include <unicode/utf8.h>

#include <array>
#include <cstdint>

namespace skyanchor {
namespace {

constexpr UChar32 kReplacement = 0xFFFD;
constexpr UChar32 kZeroWidthJoiner = 0x200D;
constexpr std::string_view kEllipsis = "\u2026";

// Whether the code point belongs to the character as seen before it: a mark, a joiner, a variation
// selector or an emoji modifier, and whatever a joiner joins on.
bool joinsPrevious(UChar32 value, UChar32 previous) {
    if (previous == kZeroWidthJoiner) return true;
    const auto kind = static_cast<UGraphemeClusterBreak>(u_getIntPropertyValue(value, UCHAR_GRAPHEME_CLUSTER_BREAK));
    return kind == U_GCB_EXTEND || kind == U_GCB_SPACING_MARK || kind == U_GCB_ZWJ;
}

bool isMark(UChar32 value) { return (U_GET_GC_MASK(value) & U_GC_M_MASK) != 0; }

}  // namespace

CodePoint codePointAt(std::string_view text, std::size_t pos) {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    const auto length = static_cast<std::int32_t>(text.size());
    auto next = static_cast<std::int32_t>(pos);
    UChar32 value = 0;
    U8_NEXT(bytes, next, length, value);
    return {value, static_cast<std::size_t>(next) - pos};
}

void appendUtf8(std::string& text, std::int32_t value) {
    std::array<std::uint8_t, U8_MAX_LENGTH> bytes{};
    std::int32_t length = 0;
    U8_APPEND_UNSAFE(bytes.data(), length, static_cast<std::uint32_t>(value < 0 ? kReplacement : value));
    text.append(reinterpret_cast<const char*>(bytes.data()), static_cast<std::size_t>(length));
}

std::size_t validUtf8Length(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        const CodePoint c = codePointAt(text, pos);
        if (c.value < 0) return pos;
        pos += c.length;
    }
    return pos;
}

std::size_t characterCount(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t pos = 0; pos < text.size(); pos += codePointAt(text, pos).length) ++count;
    return count;
}

std::string_view cutToCharacters(std::string_view text, std::size_t limit) {
    std::size_t pos = 0;
    for (std::size_t count = 0; count < limit && pos < text.size(); ++count) pos += codePointAt(text, pos).length;
    return text.substr(0, pos);
}

std::string excerpt(std::string_view text, std::size_t characters) {
    std::string shown;
    std::size_t seen = 0;
    std::size_t marks = 0;
    UChar32 previous = 0;
    for (std::size_t pos = 0; pos < text.size();) {
        const CodePoint c = codePointAt(text, pos);
        const bool joins = pos > 0 && joinsPrevious(c.value, previous);
        marks = joins ? marks + (isMark(c.value) ? 1 : 0) : 0;
        seen += joins ? 0 : 1;
        if (seen > characters || marks > kMarksShown) return shown.append(kEllipsis);
        appendUtf8(shown, c.value);
        previous = c.value;
        pos += c.length;
    }
    return shown;
}

}  // namespace skyanchor
