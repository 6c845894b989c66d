#pragma once

#include "BoundControl.h"
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

// A one-line edit (DBEdit). The field's length, or the edit's own smaller limit
// (link().setMaxLength), limits the text.
class DBEdit : public DataBoundControl<QLineEdit>
{
    Q_OBJECT
public:
    explicit DBEdit(QWidget *parent = nullptr);

private:
    void reload();
};

// A text of several lines (DBMemo).
class DBMemo : public DataBoundControl<QPlainTextEdit>
{
    Q_OBJECT
public:
    explicit DBMemo(QWidget *parent = nullptr);

protected:
    void focusOutEvent(QFocusEvent *event) override;

private:
    void reload();
    bool m_loading = false;
};

// A check box storing ValueChecked or ValueUnchecked ("1" and "0" unless set).
class DBCheckBox : public DataBoundControl<QCheckBox>
{
    Q_OBJECT
public:
    explicit DBCheckBox(QWidget *parent = nullptr);
    QString ValueChecked = QStringLiteral("1");
    QString ValueUnchecked = QStringLiteral("0");

private:
    void reload();
};

// A drop-down: a fixed list (the choice is written at once) or, when editable, an edit
// with suggestions that behaves like DBEdit.
class DBComboBox : public DataBoundControl<QComboBox>
{
    Q_OBJECT
public:
    explicit DBComboBox(QWidget *parent = nullptr);
    void setItems(const QStringList &items, bool editable);

protected:
    void focusOutEvent(QFocusEvent *event) override;

private:
    void reload();
    bool m_loading = false;
    bool m_editConnected = false;
};

// A group of radio buttons (DBRadioGroup): choosing Items[i] stores Values[i], or the
// item's text when there are no values.
class DBRadioGroup : public DataBoundControl<QGroupBox>
{
    Q_OBJECT
public:
    explicit DBRadioGroup(QWidget *parent = nullptr);
    void setItems(const QStringList &items, const QStringList &values = {});
    int itemIndex() const;

private:
    void reload();
    QString valueAt(int index) const;
    QButtonGroup *m_buttons;
    QStringList m_values;
};

// A read-only text (DBText).
class DBText : public DataBoundControl<QLabel>
{
    Q_OBJECT
public:
    explicit DBText(QWidget *parent = nullptr);

private:
};

template<typename Control> void BindField(Control *control, DataSource *source, const QString &fieldName)
{
    control->link().setFieldName(fieldName);
    control->link().setDataSource(source);
}
