#pragma once

#include "FieldSpec.h"

#include <QValidator>

class QLineEdit;

// Typing a unified barcode number (records/BarcodeNumber.h) into an edit: a-z become
// capitals and any other character but 0-9 and A-Z is refused; leaving the edit with a
// number of the wrong length says so and brings the focus back.
class BarcodeInput : public QValidator
{
    Q_OBJECT
public:
    // Gives `edit` the rule; the edit owns it.
    static void Install(QLineEdit &edit);

    State validate(QString &input, int &position) const override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit BarcodeInput(QLineEdit &edit);

    QLineEdit &m_edit;
};

// The barcode number field of a worker, vehicle or machine: an edit of at most eight
// characters, without input method, taking numbers as BarcodeInput does.
FieldSpec BarcodeField(const QString &caption, const QString &column);
