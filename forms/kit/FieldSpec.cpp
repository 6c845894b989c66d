#include "FieldSpec.h"

namespace {

FieldSpec field(FieldKind kind, const QString &caption, const QString &column)
{
    FieldSpec declaration;
    declaration.kind = kind;
    declaration.caption = caption;
    declaration.column = column;
    return declaration;
}

FieldSpec container(FieldKind kind, const QString &caption, const QList<FieldSpec> &children)
{
    FieldSpec declaration = field(kind, caption, {});
    declaration.children = children;
    return declaration;
}

}  // namespace

FieldSpec &FieldSpec::Named(const QString &objectName)
{
    name = objectName;
    return *this;
}

FieldSpec &FieldSpec::Hint(const QString &text)
{
    hint = text;
    return *this;
}

FieldSpec &FieldSpec::MaxLength(int characters)
{
    maxLength = characters;
    return *this;
}

FieldSpec &FieldSpec::Width(int pixels)
{
    width = pixels;
    return *this;
}

FieldSpec &FieldSpec::Span(int rows)
{
    rowSpan = rows;
    return *this;
}

FieldSpec &FieldSpec::SameRow()
{
    sameRow = true;
    return *this;
}

FieldSpec &FieldSpec::ReadOnly()
{
    readOnly = true;
    return *this;
}

FieldSpec &FieldSpec::ImeOff()
{
    imeOff = true;
    return *this;
}

FieldSpec &FieldSpec::Era(TplDefGengo defGengo)
{
    era = defGengo;
    return *this;
}

FieldSpec &FieldSpec::Values(const QString &checked, const QString &unchecked)
{
    values = {checked, unchecked};
    return *this;
}

FieldSpec &FieldSpec::NamesOfKind(int kind)
{
    namesKind = kind;
    return *this;
}

FieldSpec &FieldSpec::LabelNamed(const QString &objectName)
{
    labelName = objectName;
    return *this;
}

FieldSpec &FieldSpec::Setup(std::function<void(QWidget &)> configure)
{
    setup = std::move(configure);
    return *this;
}

QString FieldSpec::objectName() const
{
    if (!name.isEmpty())
        return name;
    switch (kind) {
    case FieldKind::Edit:
    case FieldKind::Number:
        return QStringLiteral("DBEdit") + column;
    case FieldKind::Memo:
        return QStringLiteral("DBMemo") + column;
    case FieldKind::Check:
        return QStringLiteral("DBCheckBox") + column;
    case FieldKind::List:
    case FieldKind::EditableList:
        return QStringLiteral("DBComboBox") + column;
    case FieldKind::Radio:
        return QStringLiteral("DBRadioGroup") + column;
    case FieldKind::Date:
    case FieldKind::CheckedDate:
        return QStringLiteral("dt") + column;
    case FieldKind::Photo:
    case FieldKind::Certificate:
        return QStringLiteral("ImageFrame") + column;
    case FieldKind::CheckGrid:
        return QStringLiteral("ChkGrid") + column;
    case FieldKind::Label:
        return QStringLiteral("DBText") + column;
    case FieldKind::StaticText:
    case FieldKind::Button:
    case FieldKind::Widget:
    case FieldKind::Group:
    case FieldKind::Row:
    case FieldKind::Pages:
    case FieldKind::Page:
        return {};
    }
    return {};
}

bool FieldSpec::isContainer() const
{
    return kind == FieldKind::Group || kind == FieldKind::Row || kind == FieldKind::Pages || kind == FieldKind::Page;
}

bool FieldSpec::captionsItself() const
{
    return kind == FieldKind::Check || kind == FieldKind::Radio || kind == FieldKind::StaticText
        || kind == FieldKind::Button;
}

FieldSpec Edit(const QString &caption, const QString &column)
{
    return field(FieldKind::Edit, caption, column);
}

FieldSpec Number(const QString &caption, const QString &column)
{
    return field(FieldKind::Number, caption, column).ImeOff();
}

FieldSpec Memo(const QString &caption, const QString &column)
{
    return field(FieldKind::Memo, caption, column);
}

FieldSpec Check(const QString &caption, const QString &column)
{
    return field(FieldKind::Check, caption, column).Values(QStringLiteral("1"), QStringLiteral("0"));
}

FieldSpec List(const QString &caption, const QString &column, const QStringList &items)
{
    FieldSpec declaration = field(FieldKind::List, caption, column);
    declaration.items = items;
    return declaration;
}

FieldSpec EditableList(const QString &caption, const QString &column, const QStringList &items)
{
    FieldSpec declaration = field(FieldKind::EditableList, caption, column);
    declaration.items = items;
    return declaration;
}

FieldSpec Radio(const QString &caption, const QString &column, const QStringList &items, const QStringList &values)
{
    FieldSpec declaration = field(FieldKind::Radio, caption, column);
    declaration.items = items;
    declaration.values = values;
    return declaration;
}

FieldSpec DateField(const QString &caption, const QString &column)
{
    return field(FieldKind::Date, caption, column);
}

FieldSpec CheckedDateField(const QString &caption, const QString &column)
{
    return field(FieldKind::CheckedDate, caption, column);
}

FieldSpec Photo(const QString &column, const QString &name)
{
    return field(FieldKind::Photo, {}, column).Named(name);
}

FieldSpec Certificate(const QString &column, const QString &name)
{
    return field(FieldKind::Certificate, {}, column).Named(name);
}

FieldSpec CheckGrid(const QString &caption, const QString &column)
{
    return field(FieldKind::CheckGrid, caption, column);
}

FieldSpec Label(const QString &caption, const QString &column)
{
    return field(FieldKind::Label, caption, column);
}

FieldSpec StaticText(const QString &text)
{
    return field(FieldKind::StaticText, text, {});
}

FieldSpec Button(const QString &name, const QString &caption)
{
    return field(FieldKind::Button, caption, {}).Named(name);
}

FieldSpec PickerButton(const QString &name, const QString &hint)
{
    return Button(name, QStringLiteral("…")).Width(30).Hint(hint);
}

FieldSpec Widget(const QString &caption, const QString &name, std::function<QWidget *(QWidget *parent)> make)
{
    FieldSpec declaration = field(FieldKind::Widget, caption, {});
    declaration.name = name;
    declaration.make = std::move(make);
    return declaration;
}

FieldSpec Row(const QString &caption, const QList<FieldSpec> &fields)
{
    return container(FieldKind::Row, caption, fields);
}

FieldSpec Group(const QString &caption, const QList<FieldSpec> &fields)
{
    return container(FieldKind::Group, caption, fields);
}

FieldSpec Pages(const QString &name, const QList<FieldSpec> &pages)
{
    return container(FieldKind::Pages, {}, pages).Named(name);
}

FieldSpec Page(const QString &caption, const QList<FieldSpec> &fields)
{
    return container(FieldKind::Page, caption, fields);
}
