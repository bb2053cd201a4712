#pragma once

#include <QPalette>

namespace skyanchor {

// A colour moved toward a hue by a share (0: the colour, 1: the hue), its alpha kept: the tint of
// the error look and of the message band alike.
[[nodiscard]] QColor blended(const QColor& base, const QColor& hue, float share);

// The palette of a control whose event failed: its backgrounds tinted red, its text colours kept,
// so that it reads as a failure on a light palette and on a dark one alike.
[[nodiscard]] QPalette errorLook(QPalette palette);

}  // namespace skyanchor
