#include "ui/error_look.hpp"

namespace skyanchor {
namespace {

constexpr float kTintShare = 0.35f;
const QColor kAlarm(230, 40, 40);

QColor tinted(const QColor& color) {
    const auto mix = [](float own, float alarm) { return own + (alarm - own) * kTintShare; };
    return QColor::fromRgbF(mix(color.redF(), kAlarm.redF()), mix(color.greenF(), kAlarm.greenF()),
                            mix(color.blueF(), kAlarm.blueF()), color.alphaF());
}

}  // namespace

QPalette errorLook(QPalette palette) {
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        for (const QPalette::ColorRole role : {QPalette::Base, QPalette::Button, QPalette::Window}) {
            palette.setColor(group, role, tinted(palette.color(group, role)));
        }
    }
    return palette;
}

}  // namespace skyanchor
