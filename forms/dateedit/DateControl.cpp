#include "DateControl.h"

#include "program/AppContext.h"
#include "CheckedDateEdit.h"
#include "dates/DateEntryRules.h"
#include "dates/DateText.h"
#include "TplDateEdit.h"
#include "messages/MessageService.h"

#include <QSignalBlocker>

namespace {

// The date of a stored text; the invalid date for a text that is no date.
QDate storedDate(const QString &text)
{
    try {
        return DateTextToDate(text);
    } catch (const InvalidDateText &) {
        return {};
    }
}

}  // namespace

void SetDateControl(TplDateEdit &control, const QString &text)
{
    const QSignalBlocker quiet(control);
    if (text.trimmed().isEmpty())
        control.Clear();
    else
        control.SetDate(storedDate(text));
}

void SetDateControl(CheckedDateEdit &control, const QString &text)
{
    const QSignalBlocker quiet(control);
    const QDate date = text.trimmed().isEmpty() ? QDate() : storedDate(text);
    if (!text.trimmed().isEmpty() && !date.isValid())
        MessageService::current().warning(DateEntryRules::MsgInvalidDateSet, DateEntryRules::DialogCaption);
    control.setChecked(date.isValid());
    control.setDate(date.isValid() ? date : AppContext::instance().WorkDate);
}

QString GetDateControl(TplDateEdit &control)
{
    if (control.IsBlank())
        return {};
    return DateToDateText(control.GetDate());
}

QString GetDateControl(const CheckedDateEdit &control)
{
    return control.isChecked() ? DateToDateText(control.date()) : QString();
}
