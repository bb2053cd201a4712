#include "time/date_words.hpp"

#include "time/unicode_text.hpp"

#include <algorithm>

namespace skyanchor {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The UTF-8 bytes of the first character of a non-empty text, as one number.
std::uint32_t firstCharacterKey(std::string_view text) {
    const auto lead = static_cast<unsigned char>(text.front());
    const std::size_t length = lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    std::uint32_t key = 0;
    for (std::size_t i = 0; i < length && i < text.size(); ++i) key = key << 8 | static_cast<unsigned char>(text[i]);
    return key;
}

}  // namespace

void WordMeaning::merge(const WordMeaning& other) {
    if (month == 0) month = other.month;
    if (dayHalf == 0) dayHalf = other.dayHalf;
    weekday |= other.weekday;
    literal = literal || other.literal;
    if (anyDayHalf == 0) anyDayHalf = other.anyDayHalf;
    if (period == 0) period = other.period;
    if (era == 0) era = other.era;
    zone = zone || other.zone;
    firstYear = firstYear || other.firstYear;
    if (calendarMonth == 0) {
        calendarMonth = other.calendarMonth;
        monthCalendar = other.monthCalendar;
    }
}

void DateWords::add(std::string_view text, const WordMeaning& meaning) {
    std::string form = readingForm(text, turkicCase_);
    while (!form.empty() && form.back() == ' ') form.pop_back();
    form.erase(0, form.find_first_not_of(' '));
    // A name without letters (Dzongkha writes months as "༩") would take numbers for words.
    bool hasLetter = false;
    for (std::size_t pos = 0; pos < form.size() && !hasLetter; ++pos) hasLetter = letterLength(form, pos) != 0;
    if (!hasLetter) return;
    auto& bucket = entries_[firstCharacterKey(form)];
    const auto same = std::find_if(bucket.begin(), bucket.end(), [&](const Entry& e) { return e.text == form; });
    if (same != bucket.end()) {
        same->meaning.merge(meaning);
        return;
    }
    const auto place = std::find_if(bucket.begin(), bucket.end(), [&](const Entry& e) { return e.text.size() < form.size(); });
    bucket.insert(place, Entry{std::move(form), meaning});
}

bool DateWords::contains(std::string_view text) const {
    const std::string form = readingForm(text, turkicCase_);
    if (form.empty()) return false;
    const auto bucket = entries_.find(firstCharacterKey(form));
    return bucket != entries_.end() &&
           std::any_of(bucket->second.begin(), bucket->second.end(), [&](const Entry& e) { return e.text == form; });
}

std::optional<DateWords::Match> DateWords::longestAt(std::string_view text, std::size_t pos) const {
    const std::string_view rest = text.substr(pos);
    const auto bucket = entries_.find(firstCharacterKey(rest));
    if (bucket == entries_.end()) return std::nullopt;
    for (const Entry& entry : bucket->second) {
        if (!rest.starts_with(entry.text)) continue;
        // "tháng 1" is no match in "tháng 10": a word that ends in a digit ends its number.
        if (isDigit(entry.text.back()) && rest.size() > entry.text.size() && isDigit(rest[entry.text.size()])) continue;
        return Match{entry.text.size(), entry.meaning};
    }
    return std::nullopt;
}

}  // namespace skyanchor
