#include "ui/error_look.hpp"

namespace skyanchor {
namespace {

constexpr float kTintShare = 0.35f;
const QColor kAlarm(230, 40, 40);

}  // namespace

QColor blended(const QColor& base, const QColor& hue, float share) {
    const auto mix = [share](float own, float tint) { return own + (tint - own) * share; };
    return QColor::fromRgbF(mix(base.redF(), hue.redF()), mix(base.greenF(), hue.greenF()), mix(base.blueF(), hue.blueF()),
                            base.alphaF());
}

QPalette errorLook(QPalette palette) {
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        for (const QPalette::ColorRole role : {QPalette::Base, QPalette::Button, QPalette::Window}) {
            palette.setColor(group, role, blended(palette.color(group, role), kAlarm, kTintShare));
        }
    }
    return palette;
}

}  // namespace skyanchor
