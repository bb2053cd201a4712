#pragma once

#include <QPalette>

namespace skyanchor {

// The palette of a control whose event failed: its backgrounds tinted red, its text colours kept,
// so that it reads as a failure on a light palette and on a dark one alike.
[[nodiscard]] QPalette errorLook(QPalette palette);

}  // namespace skyanchor
