#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace skyanchor {

// The pattern letters of ICU ("EEEE, MMMM d, y 'at' h:mm:ss a zzzz") as DatePattern reads them.
[[nodiscard]] std::string datePatternOfIcu(std::string_view icuPattern);

// The runs of letters of an ICU pattern's literal text, quoted or not ("at" above).
[[nodiscard]] std::vector<std::string> literalWordsOf(std::string_view icuPattern);

}  // namespace skyanchor
