#include "time/icu_zone_names.hpp"

#include "time/icu_support.hpp"
#include "time/unicode_text.hpp"

#include <unicode/strenum.h>
#include <unicode/timezone.h>
#include <unicode/tznames.h>

#include <algorithm>
#include <memory>

namespace skyanchor {
namespace {

using icu::UnicodeString;

constexpr int kMillisecondsPerMinute = 60000;
constexpr int kMinutesPerHour = 60;

// Adds a zone's short names of standard and daylight time, at the zone's offsets in each. A zone
// that keeps no daylight time today (Honolulu, the world's zone of "HDT") is an hour ahead in it,
// as its metazone's other zones (Adak) are.
void addNamesOf(const UnicodeString& zoneId, const UnicodeString& standard, const UnicodeString& daylight, bool turkicCase,
                std::vector<ZoneAbbreviation>& names) {
    if (standard.isEmpty() && daylight.isEmpty()) return;
    const std::unique_ptr<icu::TimeZone> zone(icu::TimeZone::createTimeZone(zoneId));
    const int offset = zone->getRawOffset() / kMillisecondsPerMinute;
    if (!standard.isEmpty()) names.push_back({readingForm(utf8(standard), turkicCase), offset});
    if (!daylight.isEmpty()) {
        const int savings = zone->getDSTSavings() / kMillisecondsPerMinute;
        names.push_back({readingForm(utf8(daylight), turkicCase), offset + (savings != 0 ? savings : kMinutesPerHour)});
    }
}

// A metazone ("America_Eastern") counts at the offsets of its zone for the world ("America/New_York").
void addMetazones(const icu::TimeZoneNames& zoneNames, bool turkicCase, std::vector<ZoneAbbreviation>& names) {
    UErrorCode status = U_ZERO_ERROR;
    const std::unique_ptr<icu::StringEnumeration> metazones(zoneNames.getAvailableMetaZoneIDs(status));
    for (const UnicodeString* id = metazones ? metazones->snext(status) : nullptr; id != nullptr && U_SUCCESS(status);
         id = metazones->snext(status)) {
        UnicodeString zone;
        UnicodeString standard;
        UnicodeString daylight;
        zoneNames.getReferenceZoneID(*id, "001", zone);
        zoneNames.getMetaZoneDisplayName(*id, UTZNM_SHORT_STANDARD, standard);
        zoneNames.getMetaZoneDisplayName(*id, UTZNM_SHORT_DAYLIGHT, daylight);
        if (!zone.isEmpty()) addNamesOf(zone, standard, daylight, turkicCase, names);
    }
}

void addZones(const icu::TimeZoneNames& zoneNames, bool turkicCase, std::vector<ZoneAbbreviation>& names) {
    UErrorCode status = U_ZERO_ERROR;
    const std::unique_ptr<icu::StringEnumeration> zones(icu::TimeZone::createEnumeration(status));
    for (const UnicodeString* id = zones ? zones->snext(status) : nullptr; id != nullptr && U_SUCCESS(status);
         id = zones->snext(status)) {
        UnicodeString standard;
        UnicodeString daylight;
        zoneNames.getTimeZoneDisplayName(*id, UTZNM_SHORT_STANDARD, standard);
        zoneNames.getTimeZoneDisplayName(*id, UTZNM_SHORT_DAYLIGHT, daylight);
        addNamesOf(*id, standard, daylight, turkicCase, names);
    }
}

}  // namespace

std::vector<ZoneAbbreviation> zoneAbbreviationsOf(std::string_view localeId, bool turkicCase) {
    std::vector<ZoneAbbreviation> names;
    if (localeId.empty()) return names;
    UErrorCode status = U_ZERO_ERROR;
    const std::unique_ptr<icu::TimeZoneNames> zoneNames(icu::TimeZoneNames::createInstance(localeOf(localeId, ""), status));
    if (U_FAILURE(status) || !zoneNames) return names;
    addMetazones(*zoneNames, turkicCase, names);
    addZones(*zoneNames, turkicCase, names);
    std::sort(names.begin(), names.end());
    names.erase(std::unique(names.begin(), names.end()), names.end());
    return names;
}

}  // namespace skyanchor
