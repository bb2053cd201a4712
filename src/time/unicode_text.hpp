#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace skyanchor {

// The form in which date texts and the locale's words are compared (UTF-8): letters case-folded,
// every Unicode decimal digit as its ASCII digit, every blank as ' ', invisible format marks
// (direction marks, joiners) left out. Bytes that are no valid UTF-8 become U+FFFD. With
// turkicCase, I folds to ı and İ to i.
[[nodiscard]] std::string readingForm(std::string_view text, bool turkicCase = false);

// The part of a text whose reading form is the bytes from..to of readingForm(text, turkicCase):
// a piece of the form as it was typed, its case, digits and accents kept.
[[nodiscard]] std::string_view typedSpan(std::string_view text, std::size_t from, std::size_t to, bool turkicCase);

// A text without the accents of the Latin, Greek and Cyrillic letters ("décembre" as "decembre").
[[nodiscard]] std::string withoutAccents(std::string_view text);

// The number of bytes of the letter (or combining mark) that starts text at pos, or 0 when
// something else starts there.
[[nodiscard]] std::size_t letterLength(std::string_view text, std::size_t pos);

// Appends each run of letters in the text (a pattern's literal, say) to words.
void appendWords(std::string_view text, std::vector<std::string>& words);

// The number of bytes of the blank (plain, no-break, thin, ideographic) that starts text at pos, or 0.
[[nodiscard]] std::size_t blankLength(std::string_view text, std::size_t pos);

}  // namespace skyanchor
