#pragma once

#include <QRect>
#include <QString>

#include "ChartColor.h"

class TLayoutBase;

// One box of a layout: a rectangle in bitmap pixels, normally centred in a grid cell, with a
// one-line caption and a link to the box it hangs under. Derived boxes redraw themselves by
// overriding the drawing operations.
class TItemBase
{
public:
    // Sized to nine tenths of the layout's cell as it is at this moment.
    explicit TItemBase(TLayoutBase &layout);
    virtual ~TItemBase();

    TItemBase(const TItemBase &) = delete;
    TItemBase &operator=(const TItemBase &) = delete;

    // The raised box with its caption.
    virtual void Draw();
    // The curve to ParentItem, if there is one.
    virtual void DrawLink();
    // Marks the box as picked up by a press; here the exclusive-or ghost outline.
    virtual void DrawPicked();
    // Marks the box as selected: a red outline on its top and left edges and one pixel beyond
    // its right and bottom edges.
    virtual void DrawSelected();
    // The exclusive-or outline at the drag position; drawing it twice erases it.
    virtual void DrawGhost();
    // Called after the position changed; here it repaints the layout.
    virtual void Changed();

    TLayoutBase &Layout() const { return m_layout; }
    TItemBase *ParentItem() const { return m_parentItem; }
    void SetParentItem(TItemBase *parent) { m_parentItem = parent; }

    int Top() const { return m_top; }
    int Left() const { return m_left; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    int DragTop() const { return m_dragTop; }
    int DragLeft() const { return m_dragLeft; }
    int GrabX() const { return m_grabX; }
    int GrabY() const { return m_grabY; }
    const QString &Caption() const { return m_caption; }
    ChartColor Color() const { return m_color; }

    int Column() const;
    int Row() const;
    QRect BoxRect() const { return QRect(m_left, m_top, m_width, m_height); }
    QRect GhostRect() const { return QRect(m_dragLeft, m_dragTop, m_width, m_height); }

    void SetTop(int top);
    void SetLeft(int left);
    void SetWidth(int width);
    void SetHeight(int height);
    void SetPosition(int x, int y);
    // Centres the box horizontally in column `column`.
    void SetColumn(int column);
    // Centres the box vertically in row `row`.
    void SetRow(int row);
    void SetCaption(const QString &caption);
    void SetColor(ChartColor color);

    // Remembers where in the box the pointer took hold of it.
    void Grab(int x, int y);
    void SetDragPos(int x, int y);

protected:
    // The raised box filled with `fill`, its caption in `textColor`. Draw uses the box's
    // colour and black; a derived box draws its other looks (selected, say) with it.
    void DrawRaisedBox(const QColor &fill, const QColor &textColor);

private:
    TLayoutBase &m_layout;
    TItemBase *m_parentItem = nullptr;
    int m_top = 0;
    int m_left = 0;
    int m_width = 0;
    int m_height = 0;
    int m_dragTop = 0;
    int m_dragLeft = 0;
    int m_grabX = 0;
    int m_grabY = 0;
    QString m_caption;
    ChartColor m_color = ChartColor::ButtonFace();
};
