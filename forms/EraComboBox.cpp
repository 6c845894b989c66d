#include "EraComboBox.h"

void EraComboBox::showPopup()
{
    m_popupOpen = true;
    emit popupOpened();
    QComboBox::showPopup();
}

void EraComboBox::hidePopup()
{
    QComboBox::hidePopup();
    m_popupOpen = false;
    emit popupClosed();
}
