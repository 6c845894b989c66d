#include "RettoTab.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>
#include <QWidget>

RettoTab::RettoTab(QObject *parent)
    : QObject(parent)
{
}

void RettoTab::install(QWidget *control)
{
    control->installEventFilter(this);
}

bool RettoTab::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
        return false;
    auto *combo = qobject_cast<QComboBox *>(watched);
    if (combo && combo->view() && combo->view()->isVisible())
        return false;
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget)
        return false;
    const bool backwards = key->modifiers() & Qt::ShiftModifier;
    QWidget *window = widget->window();
    QWidget *next = backwards ? widget->previousInFocusChain() : widget->nextInFocusChain();
    // Walk the focus chain as Tab does: to the next control that takes the keyboard.
    while (
        next && next != widget
        && !(next->focusPolicy() & Qt::TabFocus && next->isVisible() && next->isEnabled() && next->window() == window))
        next = backwards ? next->previousInFocusChain() : next->nextInFocusChain();
    if (next && next != widget)
        next->setFocus(backwards ? Qt::BacktabFocusReason : Qt::TabFocusReason);
    return true;
}
