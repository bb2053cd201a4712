#pragma once

#include <QString>

class QWidget;

namespace skyanchor {

// Gives the window its icon once it has painted for the first time: drawing the SVG at the sizes
// the window system asks for then never delays the window's first appearance.
void setIconAfterFirstPaint(QWidget* window, const QString& iconFile);

}  // namespace skyanchor
