#include "UiInput.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

// The child a user could reach: present, visible within its window and enabled.
template<typename T> T *usableChild(QWidget *parent, const char *name)
{
    T *child = parent->findChild<T *>(QLatin1String(name));
    if (!child) {
        ADD_FAILURE() << "no child " << name;
        return nullptr;
    }
    if (!child->isVisibleTo(parent->window())) {
        ADD_FAILURE() << name << " is hidden";
        return nullptr;
    }
    if (!child->isEnabled()) {
        ADD_FAILURE() << name << " is disabled";
        return nullptr;
    }
    return child;
}

}  // namespace

void TypeText(QWidget *widget, const QString &text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &release);
    }
}

void PressKey(QWidget *widget, int key, Qt::KeyboardModifiers modifiers)
{
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(widget, &press);
}

void PressEnter(QWidget *widget)
{
    PressKey(widget, Qt::Key_Return);
}

void TypeInto(QWidget *parent, const char *name, const QString &text)
{
    if (QWidget *child = usableChild<QWidget>(parent, name)) {
        child->setFocus();
        TypeText(child, text);
    }
}

void ClickButton(QWidget *parent, const char *name)
{
    if (QAbstractButton *button = usableChild<QAbstractButton>(parent, name))
        button->click();
}
