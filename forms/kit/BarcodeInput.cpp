#include "BarcodeInput.h"

#include "messages/MessageService.h"
#include "records/BarcodeNumber.h"
#include "services/UserAction.h"

#include <QFocusEvent>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>

#include <algorithm>

BarcodeInput::BarcodeInput(QLineEdit &edit)
    : QValidator(&edit)
    , m_edit(edit)
{
}

void BarcodeInput::Install(QLineEdit &edit)
{
    auto *input = new BarcodeInput(edit);
    edit.setValidator(input);
    edit.installEventFilter(input);
}

QValidator::State BarcodeInput::validate(QString &input, int &) const
{
    input = BarcodeNumber::Typed(input);
    if (!std::all_of(input.cbegin(), input.cend(), BarcodeNumber::IsCharacter))
        return Invalid;
    return BarcodeNumber::IsValid(input) ? Acceptable : Intermediate;
}

bool BarcodeInput::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &m_edit && event->type() == QEvent::FocusOut) {
        // Only the user moving on counts, not a message box or a menu taking the focus.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        const bool movedOn = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason
            || reason == Qt::MouseFocusReason || reason == Qt::OtherFocusReason;
        if (movedOn && !BarcodeNumber::IsValid(m_edit.text())) {
            RunUserAction([] { MessageService::current().information(BarcodeNumber::Malformed); });
            QTimer::singleShot(0, &m_edit, [edit = QPointer<QLineEdit>(&m_edit)] {
                if (edit && edit->isVisible())
                    edit->setFocus(Qt::OtherFocusReason);
            });
        }
    }
    return QValidator::eventFilter(watched, event);
}

FieldSpec BarcodeField(const QString &caption, const QString &column)
{
    return Edit(caption, column).MaxLength(BarcodeNumber::MaxLength).ImeOff().Setup([](QWidget &edit) {
        BarcodeInput::Install(static_cast<QLineEdit &>(edit));
    });
}
