#pragma once

#include <QComboBox>

// The era drop-down of the era date edit: a plain drop-down list that tells when its
// list opens and closes (however it closes: a choice, Escape or a click elsewhere), so
// the control can paint it as focused while the list is open.
class EraComboBox : public QComboBox
{
    Q_OBJECT
public:
    using QComboBox::QComboBox;

    void showPopup() override;
    bool isPopupOpen() const;

signals:
    void popupOpened();
    void popupClosed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    // Scrolling a form over a date must not change its era behind the user's back: the
    // wheel turns the era only while the drop-down has the focus.
    void wheelEvent(QWheelEvent *event) override;
};
