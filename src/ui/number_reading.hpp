#pragma once

#include "text/number_text.hpp"

#include <QLocale>
#include <QString>

namespace skyanchor {

// The locale's way of writing numbers that the longitude and MJD texts are read with.
[[nodiscard]] NumberConventions numberConventionsOf(const QLocale& locale);

// How a number field's text was read when not as written: "Read as 0: \"abc\" does not begin
// with a number" or "Read as 12: the rest (\"abc\") is not part of the number". Empty for a text
// that is read whole, for an empty text, and for one beyond the double range, which fails where
// it is read.
[[nodiscard]] QString readingNote(const QString& text, NumberConventions conventions = {});

}  // namespace skyanchor
