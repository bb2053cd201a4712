#include "words/quoting.hpp"

#include "base/utf8_text.hpp"

namespace skyanchor::words {

std::string quoted(std::string_view text) { return "\u201C\u2068" + excerpt(text) + "\u2069\u201D"; }

}  // namespace skyanchor::words
