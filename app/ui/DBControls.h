#pragma once

#include "data/FieldDataLink.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStringList>

class QButtonGroup;
class DataSource;

// The data-bound controls of the editors. Each follows one field through its link():
//   BindField(DBEditKJNM, &DataSource1, "KJNM");
// Typing puts the dataset into edit; the typed text reaches the field when the control
// is left or when the dataset posts. Controls whose field is not open are read-only.

// A one-line edit (DBEdit). The field's length limits the text.
class DBEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit DBEdit(QWidget *parent = nullptr);
    FieldDataLink &link() { return m_link; }

private:
    void reload();
    FieldDataLink m_link;
};

// A text of several lines (DBMemo).
class DBMemo : public QPlainTextEdit
{
    Q_OBJECT
public:
    explicit DBMemo(QWidget *parent = nullptr);
    FieldDataLink &link() { return m_link; }

protected:
    void focusOutEvent(QFocusEvent *event) override;

private:
    void reload();
    FieldDataLink m_link;
    bool m_loading = false;
};

// A check box storing ValueChecked or ValueUnchecked ("1" and "0" unless set).
class DBCheckBox : public QCheckBox
{
    Q_OBJECT
public:
    explicit DBCheckBox(QWidget *parent = nullptr);
    FieldDataLink &link() { return m_link; }
    QString ValueChecked = QStringLiteral("1");
    QString ValueUnchecked = QStringLiteral("0");

private:
    void reload();
    FieldDataLink m_link;
};

// A drop-down: a fixed list (the choice is written at once) or, when editable, an edit
// with suggestions that behaves like DBEdit.
class DBComboBox : public QComboBox
{
    Q_OBJECT
public:
    explicit DBComboBox(QWidget *parent = nullptr);
    FieldDataLink &link() { return m_link; }
    void setItems(const QStringList &items, bool editable);

protected:
    void focusOutEvent(QFocusEvent *event) override;

private:
    void reload();
    FieldDataLink m_link;
    bool m_loading = false;
};

// A group of radio buttons (DBRadioGroup): choosing Items[i] stores Values[i], or the
// item's text when there are no values.
class DBRadioGroup : public QGroupBox
{
    Q_OBJECT
public:
    explicit DBRadioGroup(QWidget *parent = nullptr);
    FieldDataLink &link() { return m_link; }
    void setItems(const QStringList &items, const QStringList &values = {});
    int itemIndex() const;

private:
    void reload();
    QString valueAt(int index) const;
    FieldDataLink m_link;
    QButtonGroup *m_buttons;
    QStringList m_values;
};

// A read-only text (DBText).
class DBText : public QLabel
{
    Q_OBJECT
public:
    explicit DBText(QWidget *parent = nullptr);
    FieldDataLink &link() { return m_link; }

private:
    FieldDataLink m_link;
};

template<typename Control>
void BindField(Control *control, DataSource *source, const QString &fieldName)
{
    control->link().setFieldName(fieldName);
    control->link().setDataSource(source);
}
