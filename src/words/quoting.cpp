#include "words/quoting.hpp"

#include "base/utf8_text.hpp"

namespace skyanchor::words {

std::string quoted(std::string_view text) { return "\u201C\u2068" + excerpt(text) + "\u2069\u201D"; }

std::string withoutIsolates(std::string_view message) {
    std::string plain(message);
    for (const std::string_view mark : {"\u2066", "\u2067", "\u2068", "\u2069"}) {
        for (auto at = plain.find(mark); at != std::string::npos; at = plain.find(mark, at)) plain.erase(at, mark.size());
    }
    return plain;
}

}  // namespace skyanchor::words
