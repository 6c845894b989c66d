#include "CheckedDateEdit.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QHBoxLayout>

CheckedDateEdit::CheckedDateEdit(QWidget *parent)
    : QWidget(parent)
    , m_check(new QCheckBox(this))
    , m_dateEdit(new QDateEdit(this))
{
    m_check->setObjectName(QStringLiteral("check"));
    m_dateEdit->setObjectName(QStringLiteral("date"));
    m_dateEdit->setDisplayFormat(QStringLiteral("yyyy/MM/dd"));
    m_dateEdit->setCalendarPopup(true);
    m_dateEdit->setEnabled(false);

    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    row->addWidget(m_check);
    row->addWidget(m_dateEdit, 1);
    setFocusProxy(m_check);

    connect(m_check, &QCheckBox::toggled, m_dateEdit, &QWidget::setEnabled);
    connect(m_check, &QCheckBox::toggled, this, &CheckedDateEdit::changed);
    connect(m_dateEdit, &QDateEdit::dateChanged, this, &CheckedDateEdit::changed);
}

bool CheckedDateEdit::isChecked() const
{
    return m_check->isChecked();
}

void CheckedDateEdit::setChecked(bool checked)
{
    m_check->setChecked(checked);
}

QDate CheckedDateEdit::date() const
{
    return m_dateEdit->date();
}

void CheckedDateEdit::setDate(const QDate &date)
{
    m_dateEdit->setDate(date);
}
