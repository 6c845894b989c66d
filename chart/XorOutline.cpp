#include "XorOutline.h"

#include "ChartGeometry.h"

void XorOutline(QImage &image, const QRect &pixels, QRgb color)
{
    Q_ASSERT(image.format() == QImage::Format_RGB32);
    const QRgb mask = color & 0x00FFFFFFu;
    for (const QRect &strip : ChartGeometry::OutlineStrips(pixels)) {
        const QRect visible = strip.intersected(image.rect());
        for (int y = visible.top(); y <= visible.bottom(); ++y) {
            auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
            for (int x = visible.left(); x <= visible.right(); ++x)
                line[x] ^= mask;
        }
    }
}
