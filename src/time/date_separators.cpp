#include "time/date_separators.hpp"

#include "time/unicode_text.hpp"

#include <algorithm>

namespace skyanchor {

std::string compactForm(std::string_view text) {
    std::string form = readingForm(text);
    std::erase(form, ' ');
    return form;
}

void addSeparators(const std::vector<DateToken>& tokens, bool (*isField)(DateToken::Field),
                   std::vector<std::string>& separators, bool keepBlank) {
    using Field = DateToken::Field;
    for (std::size_t i = 1; i + 1 < tokens.size(); ++i) {
        if (tokens[i].field != Field::Literal || !isField(tokens[i - 1].field) || !isField(tokens[i + 1].field)) continue;
        std::string separator = compactForm(tokens[i].literal);
        if ((keepBlank || !separator.empty()) && std::find(separators.begin(), separators.end(), separator) == separators.end()) {
            separators.push_back(std::move(separator));
        }
    }
}

bool equalIgnoringBlanks(std::string_view gap, std::string_view separator) {
    std::size_t matched = 0;
    for (const char c : gap) {
        if (c == ' ') continue;
        if (matched == separator.size() || separator[matched] != c) return false;
        ++matched;
    }
    return matched == separator.size();
}

bool isSeparatorIn(const std::vector<std::string>& separators, std::string_view gap) {
    return std::any_of(separators.begin(), separators.end(),
                       [gap](const std::string& separator) { return equalIgnoringBlanks(gap, separator); });
}

}  // namespace skyanchor
