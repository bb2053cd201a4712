#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>

#include <map>

namespace skyanchor {

// Rims of one colour around the letters of labels, each traced once into an image of its own and
// then stamped wherever its label goes: tracing a rim around every letter's outline took most of
// a repaint, and every keystroke repaints.
class LabelRims {
public:
    struct Look {
        QFont font;
        QColor colour;
        double width = 0.0;  // pixels across the rim, centred on the letters' outlines
        qreal pixelRatio = 1.0;
        bool operator==(const Look&) const = default;
    };

    // The rim of a text whose line box's top left is at the origin: it stands out by half its
    // width on every side, so its image is to be drawn that far up and to the left.
    [[nodiscard]] const QImage& rimOf(const QString& text, const Look& look);

private:
    Look look_;
    std::map<QString, QImage> rims_;
};

}  // namespace skyanchor
