#pragma once

#include <QComboBox>

// The era drop-down of the era date edit: a plain drop-down list that tells when its
// list opens and closes, so the control can paint it as focused while the list is open.
class EraComboBox : public QComboBox
{
    Q_OBJECT
public:
    using QComboBox::QComboBox;

    void showPopup() override;
    void hidePopup() override;
    bool isPopupOpen() const { return m_popupOpen; }

signals:
    void popupOpened();
    void popupClosed();

private:
    bool m_popupOpen = false;
};
