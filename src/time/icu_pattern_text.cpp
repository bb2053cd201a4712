#include "time/icu_pattern_text.hpp"

#include "time/icu_support.hpp"
#include "time/unicode_text.hpp"

#include <algorithm>

namespace skyanchor {
namespace {

// What a run of count of one ICU letter becomes in the letters of DatePattern.
std::string lettersOfRun(char c, std::size_t count) {
    switch (c) {
    case 'y': case 'Y': case 'u': case 'U': case 'r': return count == 2 ? "yy" : "yyyy";
    case 'M': case 'L': return std::string(std::min<std::size_t>(count, 4), 'M');
    case 'd': return count >= 2 ? "dd" : "d";
    case 'E': return count <= 3 ? "ddd" : "dddd";
    case 'c': case 'e': return count <= 2 ? "t" : count == 3 ? "ddd" : "dddd";
    case 'a': case 'b': case 'B': return "AP";
    case 'h': case 'K': return count >= 2 ? "hh" : "h";
    case 'H': case 'k': return count >= 2 ? "HH" : "H";
    case 'm': return count >= 2 ? "mm" : "m";
    case 's': return count >= 2 ? "ss" : "s";
    case 'S': return "zzz";
    default: return "t";  // eras, zones and fields a date text leaves out
    }
}

// Where the quoted text that begins at pos ends, past its closing quote.
std::size_t quoteEnd(std::string_view pattern, std::size_t pos) {
    const std::size_t close = pattern.find('\'', pos + 1);
    return close == std::string_view::npos ? pattern.size() : close + 1;
}

}  // namespace

std::string datePatternOfIcu(std::string_view icuPattern) {
    std::string pattern;
    std::size_t pos = 0;
    while (pos < icuPattern.size()) {
        const char c = icuPattern[pos];
        std::size_t end = pos + 1;
        if (c == '\'') {
            end = quoteEnd(icuPattern, pos);
            pattern.append(icuPattern.substr(pos, end - pos));
        } else if (!isAsciiLetter(c)) {
            pattern.push_back(c);
        } else {
            while (end < icuPattern.size() && icuPattern[end] == c) ++end;
            pattern += lettersOfRun(c, end - pos);
        }
        pos = end;
    }
    return pattern;
}

std::vector<std::string> literalWordsOf(std::string_view icuPattern) {
    std::string literal;
    for (std::size_t pos = 0; pos < icuPattern.size(); ++pos) {
        if (icuPattern[pos] == '\'') {
            const std::size_t close = icuPattern.find('\'', pos + 1);
            const std::size_t end = close == std::string_view::npos ? icuPattern.size() : close;
            literal.append(icuPattern.substr(pos + 1, end - pos - 1)).push_back(' ');
            pos = end;
        } else {
            literal.push_back(isAsciiLetter(icuPattern[pos]) ? ' ' : icuPattern[pos]);
        }
    }
    std::vector<std::string> words;
    appendWords(literal, words);
    return words;
}

}  // namespace skyanchor
