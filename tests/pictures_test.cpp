// The pictures are drawn for the screen's pixel ratio, not scaled up.
#include <gtest/gtest.h>

#include <QPixmap>

#include "pictures.h"

namespace {

QImage At(const QIcon& icon, QSize logical, qreal ratio) {
    return icon.pixmap(logical, ratio).toImage();
}

TEST(PicturesTest, IconStripesAreOnePixelWideAndTwoAtRatioTwo) {
    const QImage one = At(pictures::StripesIcon(), {16, 16}, 1);
    ASSERT_EQ(one.size(), QSize(16, 16));
    const QRgb expected[] = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255)};
    for (int x = 0; x < 16; ++x) EXPECT_EQ(one.pixel(x, 8), expected[x % 3]) << x;

    const QImage two = At(pictures::StripesIcon(), {16, 16}, 2);
    ASSERT_EQ(two.size(), QSize(32, 32));
    for (int x = 0; x < 32; ++x) EXPECT_EQ(two.pixel(x, 20), expected[(x / 2) % 3]) << x;
}

TEST(PicturesTest, TrianglesKeepWholePixelEdgesAtEveryRatio) {
    for (const qreal ratio : {1.0, 2.0}) {
        const QImage up = At(pictures::UpTriangle(), pictures::kTriangleSize, ratio);
        const int w = up.width();
        const int h = up.height();
        ASSERT_EQ(w, static_cast<int>(16 * ratio));
        // The base fills the bottom row, the apex stands in the middle of the top one.
        for (int x = 0; x < w; ++x) EXPECT_EQ(up.pixel(x, h - 1), qRgb(0, 0, 0)) << x;
        EXPECT_EQ(up.pixel(w / 2 - 1, 0), qRgb(0, 0, 0));
        EXPECT_EQ(up.pixel(w / 2, 0), qRgb(0, 0, 0));
        EXPECT_EQ(up.pixel(0, 0), qRgb(255, 255, 255));
        EXPECT_EQ(up.pixel(w / 2 - 2, 0), qRgb(255, 255, 255));

        const QImage down = At(pictures::DownTriangle(), pictures::kTriangleSize, ratio);
        for (int x = 0; x < w; ++x) EXPECT_EQ(down.pixel(x, 0), qRgb(0, 0, 0)) << x;
    }
}

TEST(PicturesTest, SaveArrowIsGreyAboveBlackBelowOnATransparentGround) {
    const QImage arrow = At(pictures::SaveArrow(), pictures::kSaveArrowSize, 2);
    ASSERT_EQ(arrow.size(), QSize(64, 64));
    EXPECT_EQ(qAlpha(arrow.pixel(2, 2)), 0);
    EXPECT_EQ(arrow.pixel(40, 24), qRgb(0xC0, 0xC0, 0xC0));
    EXPECT_EQ(arrow.pixel(40, 40), qRgb(0, 0, 0));
    EXPECT_EQ(arrow.pixel(63, 10), qRgb(0x80, 0x80, 0x80));
}

}  // namespace
