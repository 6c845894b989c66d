#include "framework/PictureFit.h"

#include <gtest/gtest.h>

using sorvik::documents::PictureFit;

TEST(PictureFitTest, AWidePictureFillsTheWidthAndKeepsItsRatio)
{
    const PictureFit fit = PictureFit::into(QSizeF(640, 384), QSizeF(34, 41));
    EXPECT_EQ(fit.left, 1);
    EXPECT_EQ(fit.top, 1);
    EXPECT_EQ(fit.width, 32);
    EXPECT_EQ(fit.height, std::nullopt);
}

TEST(PictureFitTest, ATallPictureFillsTheHeightCentredAcross)
{
    // 240 × 300 in 107 × 64: 51 wide at the box's height, (107 - 51) / 2 + 1 from the left.
    const PictureFit fit = PictureFit::into(QSizeF(240, 300), QSizeF(107, 64));
    EXPECT_EQ(fit.left, 29);
    EXPECT_EQ(fit.top, 1);
    EXPECT_EQ(fit.width, std::nullopt);
    EXPECT_EQ(fit.height, 62);
}
