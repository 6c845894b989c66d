#include "EraComboBox.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QWheelEvent>

void EraComboBox::showPopup()
{
    emit popupOpened();
    QComboBox::showPopup();
    // The list's window exists only once it was shown; a second install is harmless.
    view()->window()->installEventFilter(this);
}

bool EraComboBox::isPopupOpen() const
{
    return view()->isVisible();
}

bool EraComboBox::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Hide && watched == view()->window())
        emit popupClosed();
    return QComboBox::eventFilter(watched, event);
}

void EraComboBox::wheelEvent(QWheelEvent *event)
{
    if (hasFocus())
        QComboBox::wheelEvent(event);
    else
        event->ignore();
}
