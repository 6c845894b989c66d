#pragma once

#include <QDate>
#include <QWidget>

class QCheckBox;
class QDateEdit;

// A date picker with a tick box in front: the report windows print the date only while
// it is ticked, and its blank picture otherwise. The date stays choosable either way,
// since some documents still take names valid on it.
class CheckedDatePicker : public QWidget
{
    Q_OBJECT
public:
    explicit CheckedDatePicker(const QString &objectName, QWidget *parent = nullptr);

    QDate date() const;
    void setDate(const QDate &date);
    bool isChecked() const;
    void setChecked(bool checked);

    QCheckBox *checkBox() const { return m_check; }
    QDateEdit *dateEdit() const { return m_date; }

private:
    QCheckBox *m_check;
    QDateEdit *m_date;
};
