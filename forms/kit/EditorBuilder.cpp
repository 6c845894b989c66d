#include "EditorBuilder.h"

#include "DBCheckedDateEdit.h"
#include "DBDateEdit.h"
#include "EditorContext.h"
#include "controls/DBCheckGrid.h"
#include "controls/DBControls.h"
#include "controls/DBImageFrame.h"
#include "controls/RettoTab.h"
#include "data/DataSet.h"
#include "data/DataSource.h"
#include "db/Query.h"
#include "pickers/PickerSql.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTabWidget>

namespace {

// Controls of a fixed size, kept at their size rather than stretched over the column.
bool fixedSize(FieldKind kind)
{
    return kind == FieldKind::Date || kind == FieldKind::CheckedDate || kind == FieldKind::Photo
        || kind == FieldKind::Certificate || kind == FieldKind::CheckGrid || kind == FieldKind::Check
        || kind == FieldKind::StaticText || kind == FieldKind::Button;
}

// Controls where Enter moves on as Tab does. A memo keeps Enter for its lines, the date
// edit handles it itself, a picture has nothing to enter, a button is pressed by it.
bool entersAsTab(FieldKind kind)
{
    return kind != FieldKind::Memo && kind != FieldKind::Date && kind != FieldKind::Photo
        && kind != FieldKind::Certificate && kind != FieldKind::Label && kind != FieldKind::StaticText
        && kind != FieldKind::Button && kind != FieldKind::Widget;
}

// The caption beside a control, when it has one of its own kind.
QLabel *captionLabel(const FieldSpec &field, QWidget *owner, QWidget *control)
{
    if (field.caption.isEmpty() || field.captionsItself())
        return nullptr;
    auto *label = new QLabel(field.caption, owner);
    label->setObjectName(field.labelName);
    label->setToolTip(field.hint);
    label->setBuddy(control);
    return label;
}

}  // namespace

EditorBuilder::EditorBuilder(DataSource &source, const EditorContext &context)
    : m_source(source)
    , m_context(context)
    , m_retto(std::make_unique<RettoTab>())
{
}

EditorBuilder::~EditorBuilder() = default;

QWidget *EditorBuilder::Build(const QList<FieldSpec> &fields, QWidget *parent)
{
    auto *panel = new QWidget(parent);
    auto *grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);
    fill(grid, fields);
    return panel;
}

void EditorBuilder::fill(QGridLayout *grid, const QList<FieldSpec> &fields)
{
    QWidget *owner = grid->parentWidget();
    int row = -1;
    int column = 0;
    for (const FieldSpec &field : fields) {
        if (!field.sameRow || row < 0) {
            ++row;
            column = 0;
        }
        if (field.isContainer() && (field.kind != FieldKind::Row || field.caption.isEmpty())) {
            grid->addWidget(container(field, owner), row, column, field.rowSpan, 2);
            column += 2;
            continue;
        }
        QWidget *control = field.isContainer() ? container(field, owner) : create(field, owner);
        if (QLabel *label = captionLabel(field, owner, control))
            grid->addWidget(label, row, column);
        const Qt::Alignment alignment = field.kind == FieldKind::Widget ? Qt::AlignLeft | Qt::AlignVCenter
            : fixedSize(field.kind)                                     ? Qt::AlignLeft | Qt::AlignTop
                                                                        : Qt::Alignment();
        grid->addWidget(control, row, column + 1, field.rowSpan, 1, alignment);
        column += 2;
    }
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(row + 1, 1);
}

QWidget *EditorBuilder::line(const FieldSpec &field, QWidget *parent)
{
    auto *line = new QWidget(parent);
    line->setObjectName(field.name);
    line->setToolTip(field.hint);
    auto *layout = new QHBoxLayout(line);
    layout->setContentsMargins(0, 0, 0, 0);
    bool stretches = false;
    for (FieldSpec part : field.children) {
        if (part.caption.isEmpty())
            part.displayName = field.caption;
        QWidget *control = part.isContainer() ? container(part, line) : create(part, line);
        if (QLabel *label = part.isContainer() ? nullptr : captionLabel(part, line, control))
            layout->addWidget(label);
        const bool kept = part.width > 0 || fixedSize(part.kind);
        layout->addWidget(control, kept ? 0 : 1);
        stretches = stretches || !kept;
    }
    if (!stretches)
        layout->addStretch(1);
    return line;
}

QWidget *EditorBuilder::container(const FieldSpec &field, QWidget *parent)
{
    QWidget *made = field.kind == FieldKind::Row ? line(field, parent)
        : field.kind == FieldKind::Pages         ? pages(field, parent)
                                                 : box(field, parent);
    if (field.width > 0)
        made->setFixedWidth(field.width);
    return made;
}

QWidget *EditorBuilder::pages(const FieldSpec &field, QWidget *parent)
{
    auto *tabs = new QTabWidget(parent);
    tabs->setObjectName(field.objectName());
    for (const FieldSpec &page : field.children) {
        auto *tab = new QWidget(tabs);
        tab->setObjectName(page.name);
        tab->setToolTip(page.hint);
        fill(new QGridLayout(tab), page.children);
        tabs->addTab(tab, page.caption);
    }
    return tabs;
}

QWidget *EditorBuilder::box(const FieldSpec &field, QWidget *parent)
{
    QWidget *box = field.caption.isEmpty() ? new QWidget(parent) : new QGroupBox(field.caption, parent);
    box->setObjectName(field.name);
    box->setToolTip(field.hint);
    auto *grid = new QGridLayout(box);
    if (field.caption.isEmpty())
        grid->setContentsMargins(0, 0, 0, 0);
    fill(grid, field.children);
    return box;
}

QWidget *EditorBuilder::BuildControl(const FieldSpec &field, QWidget *parent)
{
    return create(field, parent);
}

QWidget *EditorBuilder::create(const FieldSpec &field, QWidget *parent)
{
    QWidget *control = nullptr;
    switch (field.kind) {
    case FieldKind::Edit:
        control = new DBEdit(parent);
        break;
    case FieldKind::Number: {
        auto *edit = new DBEdit(parent);
        edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("-?[0-9]*")), edit));
        control = edit;
        break;
    }
    case FieldKind::Memo:
        control = new DBMemo(parent);
        break;
    case FieldKind::Check: {
        auto *box = new DBCheckBox(parent);
        box->setText(field.caption);
        box->ValueChecked = field.values.value(0);
        box->ValueUnchecked = field.values.value(1);
        control = box;
        break;
    }
    case FieldKind::List:
    case FieldKind::EditableList: {
        auto *list = new DBComboBox(parent);
        list->setItems(field.items + names(field.namesKind), field.kind == FieldKind::EditableList);
        control = list;
        break;
    }
    case FieldKind::Radio: {
        auto *group = new DBRadioGroup(parent);
        group->setTitle(field.caption);
        group->setItems(field.items, field.values);
        control = group;
        break;
    }
    case FieldKind::Date: {
        auto *date = new DBDateEdit(parent);
        date->setDefGengo(field.era);
        control = date;
        break;
    }
    case FieldKind::CheckedDate:
        control = new DBCheckedDateEdit(parent);
        break;
    case FieldKind::Photo:
    case FieldKind::Certificate: {
        auto *frame = new DBImageFrame(parent);
        frame->ImageKind = field.kind == FieldKind::Certificate ? 1 : 0;
        frame->Store = &m_context.records.Images;
        frame->BaseDir = m_context.records.ImageRoot;
        frame->SetSubDir(QStringLiteral("image"));
        control = frame;
        break;
    }
    case FieldKind::CheckGrid:
        control = new DBCheckGrid(parent);
        break;
    case FieldKind::Label:
        control = new DBText(parent);
        break;
    case FieldKind::StaticText:
        control = new QLabel(field.caption, parent);
        break;
    case FieldKind::Widget:
        control = field.make(parent);
        break;
    case FieldKind::Button: {
        auto *button = new QPushButton(field.caption, parent);
        button->setAutoDefault(false);
        // Pressed with the mouse; Enter and Tab run through the fields. Taking the focus
        // on a click hands the text being typed to its field first.
        button->setFocusPolicy(Qt::ClickFocus);
        control = button;
        break;
    }
    case FieldKind::Group:
    case FieldKind::Row:
    case FieldKind::Pages:
    case FieldKind::Page:
        return container(field, parent);
    }
    control->setObjectName(field.objectName());
    control->setToolTip(field.hint);
    if (field.width > 0)
        control->setFixedWidth(field.width);
    if (field.imeOff)
        control->setAttribute(Qt::WA_InputMethodEnabled, false);
    // A field nobody can change is no stop for Tab and Enter; a click still selects it.
    if (field.readOnly && control->focusPolicy() != Qt::NoFocus)
        control->setFocusPolicy(Qt::ClickFocus);
    bind(control, field);
    if (entersAsTab(field.kind)) {
        m_retto->install(control);
        for (QWidget *part : control->findChildren<QWidget *>())
            m_retto->install(part);
    }
    if (field.setup)
        field.setup(*control);
    m_controls << control;
    return control;
}

void EditorBuilder::bind(QWidget *control, const FieldSpec &field)
{
    auto *bound = dynamic_cast<BoundControl *>(control);
    if (!bound || field.column.isEmpty())
        return;
    m_byColumn.insert(field.column.toUpper(), control);
    const QString display = field.caption.isEmpty() ? field.displayName : field.caption;
    if (DataSet *dataSet = m_source.dataSet(); dataSet && !display.isEmpty())
        dataSet->SetDisplayLabel(field.column, display);
    FieldDataLink &link = bound->link();
    link.setReadOnly(field.readOnly);
    link.setMaxLength(field.maxLength);
    link.setFieldName(field.column);
    link.setDataSource(&m_source);
}

void EditorBuilder::ChainFocus()
{
    QWidget *previous = nullptr;
    for (QWidget *control : std::as_const(m_controls)) {
        if (!(control->focusPolicy() & Qt::TabFocus))
            continue;
        if (previous)
            QWidget::setTabOrder(previous, control);
        previous = control;
    }
}

QStringList EditorBuilder::names(int kind) const
{
    QStringList names;
    if (kind <= 0)
        return names;
    db::Query query(m_context.records.Transaction);
    SetStatement(query, PickerSql::NameList(kind));
    for (query.open(); !query.eof(); query.next())
        names << query.field(QStringLiteral("NM")).asString();
    return names;
}
