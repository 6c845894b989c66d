#include "DBControls.h"

#include "services/UserAction.h"

#include <QApplication>
#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

// The user changed a control: into edit, or back to the field's value when the field
// cannot change now.
bool beginChange(FieldDataLink &link)
{
    bool started = false;
    RunUserAction([&] { started = link.startEdit(); });
    if (!started)
        QApplication::beep();
    return started;
}

// Writes a pending change; a value the field refuses is shown and the control keeps it.
void commitChange(FieldDataLink &link)
{
    RunUserAction([&] { link.commit(); });
}

void writeChange(FieldDataLink &link, const QVariant &value)
{
    if (!RunUserAction([&] { link.write(value); }) && link.OnReload)
        link.OnReload();
}

}  // namespace

DBEdit::DBEdit(QWidget *parent)
    : DataBoundControl(parent)
{
    m_link.pendingValue = [this] { return QVariant(text()); };
    m_link.OnReload = [this] { reload(); };
    connect(this, &QLineEdit::textEdited, this, [this] {
        if (!m_link.modified() && !beginChange(m_link))
            reload();
    });
    connect(this, &QLineEdit::editingFinished, this, [this] { commitChange(m_link); });
}

void DBEdit::reload()
{
    if (m_link.modified())
        return;
    const int length = m_link.maxLength();
    setMaxLength(length > 0 ? length : 32767);
    setReadOnly(!m_link.canModify());
    setText(m_link.text());
    setCursorPosition(0);
}

DBMemo::DBMemo(QWidget *parent)
    : DataBoundControl(parent)
{
    m_link.pendingValue = [this] { return QVariant(toPlainText()); };
    m_link.OnReload = [this] { reload(); };
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (!m_loading && !m_link.modified() && !beginChange(m_link))
            reload();
    });
}

void DBMemo::reload()
{
    if (m_link.modified())
        return;
    m_loading = true;
    setReadOnly(!m_link.canModify());
    setPlainText(m_link.text());
    m_loading = false;
}

void DBMemo::focusOutEvent(QFocusEvent *event)
{
    QPlainTextEdit::focusOutEvent(event);
    commitChange(m_link);
}

DBCheckBox::DBCheckBox(QWidget *parent)
    : DataBoundControl(parent)
{
    m_link.OnReload = [this] { reload(); };
    connect(this, &QCheckBox::clicked, this,
            [this](bool checked) { writeChange(m_link, checked ? ValueChecked : ValueUnchecked); });
}

void DBCheckBox::reload()
{
    setEnabled(m_link.canModify());
    setChecked(m_link.active() && m_link.text() == ValueChecked);
}

DBComboBox::DBComboBox(QWidget *parent)
    : DataBoundControl(parent)
{
    m_link.pendingValue = [this] { return QVariant(currentText()); };
    m_link.OnReload = [this] { reload(); };
    connect(this, &QComboBox::activated, this, [this] { writeChange(m_link, currentText()); });
}

void DBComboBox::setItems(const QStringList &items, bool editable)
{
    m_loading = true;
    clear();
    addItems(items);
    setEditable(editable);
    if (editable && !m_editConnected) {
        m_editConnected = true;
        connect(lineEdit(), &QLineEdit::textEdited, this, [this] {
            if (!m_link.modified() && !beginChange(m_link))
                reload();
        });
    }
    m_loading = false;
    reload();
}

void DBComboBox::reload()
{
    if (m_link.modified())
        return;
    m_loading = true;
    setEnabled(m_link.canModify());
    const QString text = m_link.text();
    const int index = findText(text);
    if (isEditable())
        setEditText(text);
    else
        setCurrentIndex(index);
    m_loading = false;
}

void DBComboBox::focusOutEvent(QFocusEvent *event)
{
    QComboBox::focusOutEvent(event);
    commitChange(m_link);
}

DBRadioGroup::DBRadioGroup(QWidget *parent)
    : DataBoundControl(parent)
    , m_buttons(new QButtonGroup(this))
{
    new QVBoxLayout(this);
    m_link.OnReload = [this] { reload(); };
    connect(m_buttons, &QButtonGroup::idClicked, this, [this](int id) { writeChange(m_link, valueAt(id)); });
}

void DBRadioGroup::setItems(const QStringList &items, const QStringList &values)
{
    for (QAbstractButton *button : m_buttons->buttons())
        delete button;
    m_values = values;
    for (int i = 0; i < items.size(); ++i) {
        auto *button = new QRadioButton(items[i], this);
        m_buttons->addButton(button, i);
        layout()->addWidget(button);
    }
    reload();
}

QString DBRadioGroup::valueAt(int index) const
{
    if (index < m_values.size())
        return m_values[index];
    QAbstractButton *button = m_buttons->button(index);
    return button ? button->text() : QString();
}

int DBRadioGroup::itemIndex() const
{
    return m_buttons->checkedId();
}

void DBRadioGroup::reload()
{
    setEnabled(m_link.canModify());
    const QString text = m_link.text();
    m_buttons->setExclusive(false);
    for (QAbstractButton *button : m_buttons->buttons())
        button->setChecked(m_link.active() && valueAt(m_buttons->id(button)) == text);
    m_buttons->setExclusive(true);
}

DBText::DBText(QWidget *parent)
    : DataBoundControl(parent)
{
    m_link.OnReload = [this] { setText(m_link.text()); };
}
