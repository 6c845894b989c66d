#include "BarcodeField.h"

#include "messages/MessageService.h"
#include "records/BarcodeNumber.h"

#include <QFocusEvent>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>

BarcodeField::BarcodeField(QLineEdit &edit)
    : QValidator(&edit)
    , m_edit(edit)
{
}

void BarcodeField::Install(QLineEdit &edit)
{
    auto *field = new BarcodeField(edit);
    edit.setValidator(field);
    edit.installEventFilter(field);
}

QValidator::State BarcodeField::validate(QString &input, int &) const
{
    for (QChar &c : input) {
        const QChar typed = BarcodeNumber::Typed(c);
        if (typed.isNull())
            return Invalid;
        c = typed;
    }
    return Acceptable;
}

bool BarcodeField::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::FocusOut)
        return false;
    const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
        return false;
    if (BarcodeNumber::IsAcceptable(m_edit.text()))
        return false;
    MessageService::current().information(BarcodeNumber::InvalidMessage);
    // The focus returns once the move that is under way has ended.
    QTimer::singleShot(0, &m_edit, [edit = QPointer<QLineEdit>(&m_edit)] {
        if (edit)
            edit->setFocus(Qt::OtherFocusReason);
    });
    return false;
}

FieldSpec BarcodeNumberField(const QString &caption, const QString &column)
{
    return Edit(caption, column)
        .MaxLength(BarcodeNumber::MaxLength)
        .ImeOff()
        .Hint(BarcodeNumber::Hint)
        .Setup([](QWidget &control) {
            if (auto *edit = qobject_cast<QLineEdit *>(&control))
                BarcodeField::Install(*edit);
        });
}
