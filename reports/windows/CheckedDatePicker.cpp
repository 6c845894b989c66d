#include "CheckedDatePicker.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QHBoxLayout>

CheckedDatePicker::CheckedDatePicker(const QString &objectName, QWidget *parent)
    : QWidget(parent)
    , m_check(new QCheckBox)
    , m_date(new QDateEdit)
{
    setObjectName(objectName);
    m_check->setObjectName(objectName + QStringLiteral("Check"));
    m_check->setChecked(true);
    m_date->setObjectName(objectName + QStringLiteral("Date"));
    m_date->setDisplayFormat(QStringLiteral("yyyy/MM/dd"));
    m_date->setCalendarPopup(true);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(m_check);
    layout->addWidget(m_date);
}

QDate CheckedDatePicker::date() const
{
    return m_date->date();
}

void CheckedDatePicker::setDate(const QDate &date)
{
    m_date->setDate(date);
}

bool CheckedDatePicker::isChecked() const
{
    return m_check->isChecked();
}

void CheckedDatePicker::setChecked(bool checked)
{
    m_check->setChecked(checked);
}
