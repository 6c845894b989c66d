#include "LayoutPainter.h"

#include "ChartGeometry.h"
#include "TLayoutBase.h"

LayoutPainter::LayoutPainter(TLayoutBase &layout, const QRect &area)
    : m_layout(layout)
    , m_area(area)
{
    if (!layout.m_bitmap.isNull())
        begin(&layout.m_bitmap);
}

LayoutPainter::~LayoutPainter()
{
    if (!isActive())
        return;
    end();
    m_layout.update(m_area);
}

void LayoutPainter::Outline(const QRect &pixels, const QColor &color)
{
    for (const QRect &strip : ChartGeometry::OutlineStrips(pixels))
        fillRect(strip, color);
}

void LayoutPainter::Line(QPoint from, QPoint to, const QColor &color)
{
    fillRect(ChartGeometry::LinePixels(from, to), color);
}
