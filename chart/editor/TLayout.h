#pragma once

#include "TLayoutBase.h"

class QScrollArea;
class QTimer;

// The organisation chart's layout: the grid component inside the editor's scroll box. While
// boxes are dragged above or below the visible part, the scroll box scrolls by itself. A
// drop is refused when the pointer left the scroll box or when a box would land exactly on
// a box that stays where it is. The Delete key is reported only while the layout has the
// focus, so typing in the editor's fields never deletes boxes.
class TLayout : public TLayoutBase
{
    Q_OBJECT

public:
    explicit TLayout(QScrollArea *scrollBox);

    QTimer *ScrollTimer;
    bool ScrollUp = false;

    // A box changed while the user arranged the chart (TKItem::Changed).
    void ItemChanged() { emit changed(); }

signals:
    void changed();
    void deleteKeyPressed();

protected:
    void MouseMove(Qt::KeyboardModifiers shift, int x, int y) override;
    void MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void ScrollTimerTimer();
    bool DropRefused(int x, int y);

    QScrollArea *m_scrollBox;
};
