#include "TLayout.h"

#include "TItemBase.h"

#include <QKeyEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>

namespace {
constexpr int kScrollStep = 20;
}

TLayout::TLayout(QScrollArea *scrollBox)
    : ScrollTimer(new QTimer(this))
    , m_scrollBox(scrollBox)
{
    ScrollTimer->setInterval(10);
    connect(ScrollTimer, &QTimer::timeout, this, &TLayout::ScrollTimerTimer);
    setFocusPolicy(Qt::ClickFocus);
}

void TLayout::MouseMove(Qt::KeyboardModifiers shift, int x, int y)
{
    TLayoutBase::MouseMove(shift, x, y);
    if (MouseState() != TMouseState::Moving)
        return;
    const int boxY = mapTo(m_scrollBox->viewport(), QPoint(x, y)).y();
    const int height = m_scrollBox->viewport()->height();
    if (boxY < 0 && !ScrollTimer->isActive()) {
        ScrollUp = true;
        ScrollTimer->start();
    } else if (boxY > height && !ScrollTimer->isActive()) {
        ScrollUp = false;
        ScrollTimer->start();
    } else if (boxY > 0 && boxY < height && ScrollTimer->isActive()) {
        ScrollTimer->stop();
    }
}

void TLayout::ScrollTimerTimer()
{
    QScrollBar *bar = m_scrollBox->verticalScrollBar();
    if (ScrollUp && bar->value() > 0)
        bar->setValue(bar->value() - kScrollStep);
    else if (!ScrollUp && bar->value() < bar->maximum())
        bar->setValue(bar->value() + kScrollStep);
}

void TLayout::MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y)
{
    ScrollTimer->stop();
    if (MouseState() == TMouseState::Moving && DropRefused(x, y)) {
        Redraw();
        DrawSelection();
        SetMouseState(TMouseState::Idle);
        return;
    }
    TLayoutBase::MouseUp(button, shift, x, y);
}

bool TLayout::DropRefused(int x, int y)
{
    const QPoint pointer = mapTo(m_scrollBox->viewport(), QPoint(x, y));
    const QSize box = m_scrollBox->viewport()->size();
    if (pointer.x() < 0 || pointer.x() > box.width() || pointer.y() < 0 || pointer.y() > box.height())
        return true;
    // The ghosts are judged where the pointer is released, as the inherited drop does.
    const int snappedX = SnapX(x);
    const int snappedY = SnapY(y);
    for (TItemBase *moving : Selection())
        if (moving->Column() >= FixedCols())
            moving->SetDragPos(snappedX - moving->GrabX(), snappedY - moving->GrabY());
    for (const TItemBase *staying : Items()) {
        if (Selection().Contains(staying))
            continue;
        for (const TItemBase *moving : Selection())
            if (staying->Top() == moving->DragTop() && staying->Left() == moving->DragLeft())
                return true;
    }
    return false;
}

void TLayout::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Delete && event->modifiers() == Qt::NoModifier) {
        emit deleteKeyPressed();
        return;
    }
    TLayoutBase::keyPressEvent(event);
}
