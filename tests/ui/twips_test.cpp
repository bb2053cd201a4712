#include "qt_printers.hpp"
#include "ui/twips.hpp"

#include <QFont>

#include <gtest/gtest.h>

namespace skyanchor {
namespace {

QFont dejaVuSans(int pixels) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixels);
    return font;
}

TEST(TwipScale, IsFifteenTwipsAPixelAtTheReferenceFont) {
    const TwipScale scale = TwipScale::forFont(dejaVuSans(12));
    EXPECT_EQ(scale.pixelsPerTwip(), TwipScale::kReferencePixelsPerTwip);
    QFont fullyHinted = dejaVuSans(12);
    fullyHinted.setHintingPreference(QFont::PreferFullHinting);
    EXPECT_EQ(TwipScale::forFont(fullyHinted).pixelsPerTwip(), TwipScale::kReferencePixelsPerTwip);
    EXPECT_EQ(scale.rect(120, 360, 5895, 4335), QRect(8, 24, 393, 289));
    EXPECT_EQ(scale.size(6345, 4635), QSize(423, 309));
}

TEST(TwipScale, FollowsTheFontSize) {
    EXPECT_NEAR(TwipScale::forFont(dejaVuSans(24)).pixelsPerTwip() * 15, 2.0, 0.05);
    EXPECT_NEAR(TwipScale::forFont(dejaVuSans(18)).pixelsPerTwip() * 15, 1.5, 0.05);
}

// Each edge is rounded on its own, so controls that meet in twips meet in pixels at any factor.
TEST(TwipScale, KeepsNeighboursTouching) {
    for (const double pixelsPerTwip : {1.0 / 13.0, 1.0 / 11.7, 0.1, 0.117}) {
        const TwipScale scale(pixelsPerTwip);
        for (int left = 0; left < 3000; left += 37) {
            const QRect first = scale.rect(left, 0, 1215, 495);
            const QRect second = scale.rect(left + 1215, 0, 1215, 495);
            EXPECT_EQ(first.right() + 1, second.left()) << pixelsPerTwip << " at " << left;
        }
    }
}

}  // namespace
}  // namespace skyanchor
