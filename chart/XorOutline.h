#pragma once

#include <QImage>
#include <QRect>

// Combines the one-pixel outline of the pixel rectangle `pixels` with `color` by exclusive-or,
// touching every outline pixel once and leaving out what lies outside the image, so a second
// call at the same place restores the image exactly. Written pixel by pixel: the painter's
// span machinery hands tall thin fills to worker threads, which made a drag of many ghosts
// wait on thread hand-offs instead of drawing.
void XorOutline(QImage &image, const QRect &pixels, QRgb color);
