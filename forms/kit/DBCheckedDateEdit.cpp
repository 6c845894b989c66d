#include "DBCheckedDateEdit.h"

#include "dateedit/DateControl.h"
#include "services/UserAction.h"

DBCheckedDateEdit::DBCheckedDateEdit(QWidget *parent)
    : CheckedDateEdit(parent)
{
    m_link.OnReload = [this] { reload(); };
    connect(this, &CheckedDateEdit::changed, this, [this] {
        const QString text = GetDateControl(*this);
        if (!RunUserAction([&] { m_link.write(text); }))
            reload();
    });
    reload();
}

void DBCheckedDateEdit::reload()
{
    setEnabled(m_link.canModify());
    SetDateControl(*this, m_link.text());
}
