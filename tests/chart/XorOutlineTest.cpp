#include <gtest/gtest.h>

#include "XorOutline.h"

TEST(ChartXorOutline, SecondDrawingRestoresTheImageExactly)
{
    QImage image(40, 30, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x * 6, y * 8, (x * y) % 256));
    const QImage original = image.copy();

    // Partly outside the image: the visible part is drawn, nothing else is touched.
    for (const QRect &rect :
         {QRect(5, 4, 10, 8), QRect(-3, -2, 12, 9), QRect(30, 25, 20, 20), QRect(7, 7, 1, 1), QRect(7, 7, 0, 5)}) {
        XorOutline(image, rect, qRgb(0x80, 0x80, 0x80));
        XorOutline(image, rect, qRgb(0x80, 0x80, 0x80));
        EXPECT_EQ(image, original) << rect.x() << "," << rect.y();
    }

    XorOutline(image, QRect(5, 4, 10, 8), qRgb(0x80, 0x80, 0x80));
    EXPECT_EQ(image.pixel(5, 4), original.pixel(5, 4) ^ 0x808080u);
    EXPECT_EQ(image.pixel(14, 11), original.pixel(14, 11) ^ 0x808080u);
    EXPECT_EQ(image.pixel(15, 11), original.pixel(15, 11));
    EXPECT_EQ(image.pixel(6, 5), original.pixel(6, 5));
    EXPECT_EQ(qAlpha(image.pixel(5, 4)), 255);
}
