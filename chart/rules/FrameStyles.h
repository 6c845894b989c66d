#pragma once

#include <QList>
#include <QString>
#include <Qt>

// The frame lines a chart box may have (TAIKEI.YOBIN1): every style but the plain one
// draws extra rectangles inside the raised box, each inset from its edges by the given
// number of pixels.
namespace FrameStyles {

struct Style
{
    QString caption;  // as the colour dialog offers it
    Qt::PenStyle pen;
    int width;
    QList<int> insets;
};

// Styles 0..5 in their stored order.
const QList<Style> &All();
// The style stored as `value`; an unknown value draws as the plain style 0.
const Style &Of(int value);

}  // namespace FrameStyles
