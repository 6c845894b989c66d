#pragma once

#include "FieldSpec.h"

#include <QValidator>

class QLineEdit;

// The edit of a unified barcode number (BarcodeNumber in the core): typed lower-case
// letters become upper case, any other character but 0-9 and A-Z is refused, and leaving
// the field with a number that is not 6 to 8 characters long says so and brings the
// focus back. Moving to another window or a menu is not leaving the field.
class BarcodeField : public QValidator
{
    Q_OBJECT
public:
    // Makes `edit` a barcode number field; the field owns what it installs.
    static void Install(QLineEdit &edit);

    State validate(QString &input, int &position) const override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit BarcodeField(QLineEdit &edit);

    QLineEdit &m_edit;
};

// The declared field: an edit of `column` taking at most 8 characters, input method off,
// with the hint "統一バーコード7桁（0-9,A-Z）".
FieldSpec BarcodeNumberField(const QString &caption, const QString &column);
