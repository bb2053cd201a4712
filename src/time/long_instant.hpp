#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace skyanchor {

// The instant and the numbers of a sentence that reads a result back, in a locale's own words and
// digits: "Wednesday, 4 March 2026" and "18:00:00" in en_GB, "35,785". Its ICU formatters are
// built once, so that writing at every keystroke costs no locale lookup.
class LongInstantWriter {
public:
    // An ICU locale id ("de_DE"); the Gregorian calendar counted back past 1582, in UT.
    explicit LongInstantWriter(std::string_view icuLocale);
    LongInstantWriter(LongInstantWriter&&) noexcept;
    LongInstantWriter& operator=(LongInstantWriter&&) noexcept;
    ~LongInstantWriter();

    // The day of an MJD in the locale's full form, with its weekday and the month's name.
    [[nodiscard]] std::string date(double mjd) const;
    // Its time of day with seconds (rounded to the nearest), as the locale writes it.
    [[nodiscard]] std::string time(double mjd) const;
    // A number with the locale's grouping, rounded to a whole one.
    [[nodiscard]] std::string wholeNumber(double value) const;
    // A number with the locale's grouping and decimal mark, to at most six decimals (a millionth of
    // a degree is a tenth of a metre on the ground).
    [[nodiscard]] std::string number(double value) const;

private:
    struct Formats;
    std::unique_ptr<const Formats> formats;
};

}  // namespace skyanchor
