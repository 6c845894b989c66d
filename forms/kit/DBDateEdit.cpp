#include "DBDateEdit.h"

#include "dates/DateEntryRules.h"
#include "dates/DateText.h"
#include "services/UserAction.h"

#include <QApplication>
#include <QSignalBlocker>

DBDateEdit::DBDateEdit(QWidget *parent)
    : TplDateEdit(parent)
{
    setCanEmpty(true);
    m_link.pendingValue = [this] { return QVariant(GetDateText()); };
    m_link.OnReload = [this] { reload(); };
    connect(this, &TplDateEdit::OnChange, this, &DBDateEdit::userChanged);
    reload();
}

void DBDateEdit::reload()
{
    if (m_link.modified())
        return;
    const QSignalBlocker quiet(this);
    m_reloading = true;
    setEnabled(m_link.canModify());
    const QString text = m_link.text();
    const QDate date = IsDateText(text) ? DateTextToDate(text) : QDate();
    if (text.trimmed().isEmpty())
        Clear();
    else if (date.isValid() && date >= DateEntryRules::MinimumDate)
        SetDate(date);
    else
        ShowText(text);
    m_reloading = false;
}

void DBDateEdit::userChanged()
{
    if (m_reloading || m_link.modified())
        return;
    bool started = false;
    RunUserAction([&] { started = m_link.startEdit(); });
    if (!started) {
        QApplication::beep();
        reload();
    }
}
