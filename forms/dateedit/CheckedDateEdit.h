#pragma once

#include <QDate>
#include <QWidget>

class QCheckBox;
class QDateEdit;

// A date picker with a check box in front: unchecked means "no date", and the date part
// is greyed out until the box is checked. Used where a form wants the calendar drop-down
// rather than the era date edit (the roster's entry dates).
class CheckedDateEdit : public QWidget
{
    Q_OBJECT
public:
    explicit CheckedDateEdit(QWidget *parent = nullptr);

    bool isChecked() const;
    void setChecked(bool checked);
    QDate date() const;
    void setDate(const QDate &date);

    QCheckBox *checkBox() const { return m_check; }
    QDateEdit *dateEdit() const { return m_dateEdit; }

signals:
    // The check box or the date changed.
    void changed();

private:
    QCheckBox *m_check;
    QDateEdit *m_dateEdit;
};
