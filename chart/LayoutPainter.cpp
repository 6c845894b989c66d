#include "LayoutPainter.h"

#include "ChartGeometry.h"
#include "TLayoutBase.h"

#include <QFontMetrics>

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

void LayoutPainter::FittedLine(const QRect &area, Qt::Alignment alignment, const QString &text)
{
    const int natural = QFontMetrics(font(), device()).horizontalAdvance(text);
    if (natural <= area.width()) {
        drawText(area, int(alignment) | Qt::TextSingleLine, text);
        return;
    }
    save();
    translate(area.topLeft());
    scale(double(area.width()) / natural, 1.0);
    drawText(QRect(0, 0, natural, area.height()),
             int((alignment & ~Qt::AlignHorizontal_Mask) | Qt::AlignLeft) | Qt::TextSingleLine, text);
    restore();
}
