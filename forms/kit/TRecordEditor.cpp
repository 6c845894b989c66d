#include "TRecordEditor.h"

#include "bases/TPanel.h"
#include "controls/BoundControl.h"
#include "controls/DBGrid.h"
#include "db/Transaction.h"
#include "services/UserAction.h"

#include <QLabel>
#include <stdexcept>

TRecordEditor::TRecordEditor(const EditorContext &context, std::unique_ptr<RecordRules> rules,
                             const EditorSpec &declaration, QWidget *parent)
    : TEditForm(context.records.Transaction, parent)
    , IBTable1(context.records.Transaction)
    , m_context(context)
    , m_rules(std::move(rules))
    , m_session(IBTable1, *m_rules)
    , m_builder(DataSource1, context)
    , m_packageKind(declaration.packageKind)
    , m_beginNextAfterNew(declaration.beginNextAfterNew)
{
    setWindowTitle(declaration.caption);
    TitlePanel->setCaption(declaration.caption);
    DataSource1.setDataSet(&IBTable1);
    if (declaration.idField.column.isEmpty())
        HideVersionStrip();
    else
        SetIdField(declaration.idField.caption, m_builder.BuildControl(declaration.idField, RirekiPanel));
    AddPanel(m_builder.Build(declaration.fields, EditPanel), PanelPlace::Bottom, declaration.grid.isEmpty() ? 1 : 0);
    if (!declaration.grid.isEmpty()) {
        DBGrid1 = new DBGrid(EditPanel);
        DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
        DBGrid1->setDataSource(&DataSource1);
        DBGrid1->setColumns(declaration.grid);
        AddPanel(DBGrid1, PanelPlace::Bottom, 1);
    }
    m_builder.ChainFocus();
    const bool exchange = m_packageKind >= 0 && context.services.CanExchange();
    btnImport->setVisible(exchange);
    btnExport->setVisible(exchange);

    m_session.OnRefused = [this](const QString &column) { focusColumn(column); };
    DataSet::Chain(IBTable1.AfterScroll, [this](DataSet &) { RecordShown(); });
    DataSet::Chain(IBTable1.AfterCancel, [this](DataSet &) { RecordShown(); });
    resize(declaration.size);
}

TRecordEditor::~TRecordEditor() = default;

QWidget *TRecordEditor::FindBoundControl(const QString &name) const
{
    return findChild<QWidget *>(name);
}

QPushButton *TRecordEditor::OnClick(const QString &name, std::function<void()> handler)
{
    auto *button = findChild<QPushButton *>(name);
    if (!button)
        throw std::logic_error("no declared button " + name.toStdString());
    connect(button, &QPushButton::clicked, this, [handler = std::move(handler)] { RunUserAction(handler); });
    return button;
}

void TRecordEditor::SetColumnText(const QString &column, const QString &text)
{
    SetBoundFieldText(ControlOf(column), text);
}

void TRecordEditor::focusColumn(const QString &column)
{
    QWidget *control = ControlOf(column);
    if (!control && !m_builder.Controls().isEmpty())
        control = m_builder.Controls().first();
    if (control)
        control->setFocus(Qt::OtherFocusReason);
}

void TRecordEditor::OpenRecords()
{
    if (!IBTable1.Active())
        m_session.Open();
}

void TRecordEditor::FormShow()
{
    OpenRecords();
}

void TRecordEditor::showEvent(QShowEvent *event)
{
    if (!m_shown) {
        m_shown = true;
        RunUserAction([this] { FormShow(); });
    }
    TEditForm::showEvent(event);
}

void TRecordEditor::btnNewClick()
{
    TEditForm::btnNewClick();
    // Only a new record the user asked for takes the focus; one that typing into an empty
    // table brings must leave the focus where the user types.
    focusColumn(Rules().FocusOnNewRecord());
}

void TRecordEditor::btnPostClick()
{
    const bool inserting = IBTable1.State() == DataSetState::Insert;
    TEditForm::btnPostClick();
    if (m_beginNextAfterNew && inserting && IBTable1.State() == DataSetState::Browse)
        btnNewClick();
}

void TRecordEditor::btnDelClick()
{
    if (m_session.MayDelete())
        TEditForm::btnDelClick();
}

PackageRequest TRecordEditor::ExportRequest()
{
    PackageRequest request;
    request.kind = m_packageKind;
    return request;
}

PackageRequest TRecordEditor::ImportRequest()
{
    PackageRequest request;
    request.kind = m_packageKind;
    return request;
}

void TRecordEditor::btnExportClick()
{
    if (DataSource1.editing())
        IBTable1.Post();
    m_context.services.ExportRecord(this, ExportRequest(), IBTable1);
}

void TRecordEditor::btnImportClick()
{
    if (m_context.services.ImportRecord(this, ImportRequest(), IBTable1))
        RecordImported();
}

void TRecordEditor::FormCloseQuery(bool &canClose)
{
    // Input still in a control counts: a name being typed is a record begun.
    DataSource1.commitPending();
    if (m_session.IsUntouchedNewRecord()) {
        IBTable1.Cancel();
        if (OwnTransaction)
            Transaction().rollbackRetaining();
    }
    TEditForm::FormCloseQuery(canClose);
}
