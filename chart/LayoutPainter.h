#pragma once

#include <QPainter>
#include <QRect>

class TLayoutBase;

// Paints into a layout's off-screen bitmap and, when done, has the control show the area it
// touched, so small drawings (a ghost, one box) never cost a repaint of the whole control.
// Inactive (isActive() false) while the layout has no bitmap yet.
class LayoutPainter : public QPainter
{
public:
    // `area` is the bitmap area this painter may change; the control refreshes it afterwards.
    LayoutPainter(TLayoutBase &layout, const QRect &area);
    ~LayoutPainter();

    LayoutPainter(const LayoutPainter &) = delete;
    LayoutPainter &operator=(const LayoutPainter &) = delete;

    // A one-pixel outline of the pixel rectangle `pixels`, in copy mode.
    void Outline(const QRect &pixels, const QColor &color);
    // A horizontal or vertical line without its end point, as the platform draws lines.
    void Line(QPoint from, QPoint to, const QColor &color);
    // One line of text in `area`, aligned as asked. A text wider than the area is narrowed
    // into it: our faces run a few pixels wider than those the boxes were sized for, and a
    // date cut at both ends of its box is no use to anyone.
    void FittedLine(const QRect &area, Qt::Alignment alignment, const QString &text);

private:
    TLayoutBase &m_layout;
    QRect m_area;
};
