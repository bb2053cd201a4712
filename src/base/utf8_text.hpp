#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace skyanchor {

// Typed texts in UTF-8, measured and cut as people see them. A character here is a code point;
// one as seen is a code point with the marks, joiners and modifiers that stay with it (close to
// Unicode's grapheme clusters).

// One code point read from UTF-8, or a broken sequence of bytes that is no UTF-8 (value below 0),
// and the bytes it takes.
struct CodePoint {
    std::int32_t value;
    std::size_t length;
};
[[nodiscard]] CodePoint codePointAt(std::string_view text, std::size_t pos);
// Appends a code point as UTF-8; a broken sequence as U+FFFD.
void appendUtf8(std::string& text, std::int32_t value);

// How many bytes at the start of the text are well-formed UTF-8: all of them when the text is.
[[nodiscard]] std::size_t validUtf8Length(std::string_view text);

// How many characters the text holds; each broken sequence of bytes that is no UTF-8 counts as one.
[[nodiscard]] std::size_t characterCount(std::string_view text);

// The start of the text of at most `limit` characters: no UTF-8 sequence is parted. A letter may
// lose marks beyond the limit, never itself, so that a digit carrying pasted marks stays that digit.
[[nodiscard]] std::string_view cutToCharacters(std::string_view text, std::size_t limit);

inline constexpr std::size_t kExcerptCharacters = 40;
inline constexpr std::size_t kMarksShown = 4;

// What a message quotes of a typed text: at most `characters` characters as seen, each with at
// most four combining marks (more would stack into a column above the line), and "…" where
// something is left out; bytes that are no UTF-8 show as U+FFFD.
[[nodiscard]] std::string excerpt(std::string_view text, std::size_t characters = kExcerptCharacters);

}  // namespace skyanchor
