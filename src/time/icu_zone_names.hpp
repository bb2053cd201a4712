#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace skyanchor {

// A zone's abbreviation as a locale names it ("EST"), in reading form, with the zone's offset from
// UT in minutes east at that time of year (-300).
struct ZoneAbbreviation {
    std::string form;
    int offsetMinutes = 0;

    friend bool operator==(const ZoneAbbreviation&, const ZoneAbbreviation&) = default;
    friend auto operator<=>(const ZoneAbbreviation&, const ZoneAbbreviation&) = default;
};

// The short names of standard and daylight time that the locale's own ICU data gives its metazones
// ("EST", "MESZ") and single zones ("BST" in en_GB), sorted, each once. An empty id gives none.
[[nodiscard]] std::vector<ZoneAbbreviation> zoneAbbreviationsOf(std::string_view localeId, bool turkicCase);

}  // namespace skyanchor
