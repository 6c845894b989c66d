#include "TItemBase.h"

#include <QFontMetrics>
#include <QPainterPath>

#include "ChartGeometry.h"
#include "LayoutPainter.h"
#include "TLayoutBase.h"

namespace {
const QColor kGhostColor(0x80, 0x80, 0x80);
const QColor kSelectedColor(0xFF, 0x00, 0x00);
}  // namespace

TItemBase::TItemBase(TLayoutBase &layout)
    : m_layout(layout)
    , m_width(layout.ColWidth() * 9 / 10)
    , m_height(layout.RowHeight() * 9 / 10)
{
}

TItemBase::~TItemBase() = default;

void TItemBase::Draw()
{
    DrawRaisedBox(m_layout.Resolve(m_color), Qt::black);
}

void TItemBase::DrawRaisedBox(const QColor &fill, const QColor &textColor)
{
    LayoutPainter painter(m_layout, BoxRect());
    if (!painter.isActive())
        return;
    const int right = m_left + m_width - 1;
    const int bottom = m_top + m_height - 1;
    // Fill without the last column and row, which the dark edges take; the bottom-right
    // corner pixel stays untouched, as with the platform's raised frames.
    painter.fillRect(QRect(m_left, m_top, m_width - 1, m_height - 1), fill);
    painter.Line({right, m_top}, {right, bottom}, Qt::black);
    painter.Line({m_left, bottom}, {right, bottom}, Qt::black);
    painter.Line({m_left, m_top}, {right, m_top}, Qt::white);
    painter.Line({m_left, m_top}, {m_left, bottom}, Qt::white);

    if (m_caption.isEmpty())
        return;
    painter.setFont(m_layout.ItemFont());
    const QFontMetrics metrics(m_layout.ItemFont(), painter.device());
    const int textHeight = metrics.height();
    const int textTop = m_top + (m_height - textHeight) / 2;
    painter.setClipRect(QRect(m_left + 2, textTop, m_width - 4, textHeight));
    painter.setPen(textColor);
    painter.drawText(QPoint(m_left + 2, textTop + metrics.ascent()), m_caption);
}

void TItemBase::DrawLink()
{
    if (!m_parentItem)
        return;
    const TItemBase &parent = *m_parentItem;
    const ChartGeometry::LinkCurve curve = ChartGeometry::LinkControlPoints(
        {parent.BoxRect(), parent.Column(), parent.Row()}, {BoxRect(), Column(), Row()}, m_layout.ColWidth());
    QPainterPath path(curve.p0);
    path.cubicTo(curve.p1, curve.p2, curve.p3);
    LayoutPainter painter(m_layout, path.boundingRect().toAlignedRect().adjusted(-1, -1, 1, 1));
    if (!painter.isActive())
        return;
    painter.setPen(QPen(m_layout.Resolve(m_layout.LinkColor()), 0));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
}

void TItemBase::DrawPicked()
{
    DrawGhost();
}

void TItemBase::DrawSelected()
{
    // The outline runs through (Left+Width, Top+Height), one pixel beyond the box's own edge.
    LayoutPainter painter(m_layout, QRect(m_left, m_top, m_width + 1, m_height + 1));
    painter.Outline(QRect(m_left, m_top, m_width + 1, m_height + 1), kSelectedColor);
}

void TItemBase::DrawGhost()
{
    m_layout.DrawXorOutline(GhostRect(), kGhostColor);
}

void TItemBase::Changed()
{
    m_layout.Redraw();
}

int TItemBase::Column() const
{
    return ChartGeometry::CellIndex(m_left, m_layout.ColWidth());
}

int TItemBase::Row() const
{
    return ChartGeometry::CellIndex(m_top, m_layout.RowHeight());
}

void TItemBase::SetTop(int top)
{
    if (top == m_top)
        return;
    m_top = top;
    m_layout.Redraw();
    Changed();
}

void TItemBase::SetLeft(int left)
{
    if (left == m_left)
        return;
    m_left = left;
    m_layout.Redraw();
    Changed();
}

void TItemBase::SetWidth(int width)
{
    if (width == m_width)
        return;
    m_width = width;
    m_layout.Redraw();
}

void TItemBase::SetHeight(int height)
{
    if (height == m_height)
        return;
    m_height = height;
    m_layout.Redraw();
}

void TItemBase::SetPosition(int x, int y)
{
    SetLeft(x);
    SetTop(y);
}

void TItemBase::SetColumn(int column)
{
    SetLeft(ChartGeometry::CentredInCell(column, m_layout.ColWidth(), m_width));
    m_layout.Redraw();
    m_layout.DrawSelection();
}

void TItemBase::SetRow(int row)
{
    SetTop(ChartGeometry::CentredInCell(row, m_layout.RowHeight(), m_height));
    m_layout.Redraw();
    m_layout.DrawSelection();
}

void TItemBase::SetCaption(const QString &caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    Draw();
}

void TItemBase::SetColor(ChartColor color)
{
    if (color == m_color)
        return;
    m_color = color;
    Draw();
}

void TItemBase::Grab(int x, int y)
{
    m_grabX = x - m_left;
    m_grabY = y - m_top;
}

void TItemBase::SetDragPos(int x, int y)
{
    m_dragLeft = x;
    m_dragTop = y;
}
