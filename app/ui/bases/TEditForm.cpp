#include "TEditForm.h"

#include "TPanel.h"
#include "services/UserAction.h"
#include "data/TableDataSet.h"
#include "db/Transaction.h"
#include "messages/MessageService.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

namespace {

QPushButton *jobButton(QWidget *parent, const QString &caption, const QString &hint = {})
{
    auto *button = new QPushButton(caption, parent);
    button->setToolTip(hint);
    button->setMinimumWidth(75);
    button->setAutoDefault(false);
    return button;
}

}  // namespace

TEditForm::TEditForm(db::Transaction &transaction, QWidget *parent)
    : TmyForm(parent)
    , m_transaction(transaction)
{
    auto *top = new QHBoxLayout;
    top->setSpacing(2);
    RirekiPanel = new TPanel(this);
    RirekiPanel->setFixedWidth(130);
    auto *rireki = new QVBoxLayout(RirekiPanel);
    rireki->setContentsMargins(2, 2, 2, 2);
    rireki->setSpacing(2);
    lblID = new QLabel(QStringLiteral("ID"), RirekiPanel);
    lblID->setAlignment(Qt::AlignCenter);
    lblID->setAutoFillBackground(true);
    QPalette idColours = lblID->palette();
    idColours.setColor(QPalette::Window, QColor(0x00, 0x00, 0x80));
    idColours.setColor(QPalette::WindowText, Qt::white);
    lblID->setPalette(idColours);
    rireki->addWidget(lblID);
    auto *arrows = new QHBoxLayout;
    btnPrev = jobButton(RirekiPanel, QStringLiteral("◀"), QStringLiteral("前のデータ"));
    btnNext = jobButton(RirekiPanel, QStringLiteral("▶"), QStringLiteral("次のデータ"));
    btnPrev->setMinimumWidth(0);
    btnNext->setMinimumWidth(0);
    arrows->addWidget(btnPrev);
    arrows->addWidget(btnNext);
    rireki->addLayout(arrows);
    TitlePanel = new TPanel(this, QStringLiteral("名称"));
    TitlePanel->setMinimumHeight(44);
    top->addWidget(RirekiPanel);
    top->addWidget(TitlePanel, 1);

    EditPanel = new QWidget(this);
    m_editLayout = new QVBoxLayout(EditPanel);
    m_editLayout->setContentsMargins(8, 8, 8, 8);

    JobPanel = new TPanel(this);
    auto *job = new QHBoxLayout(JobPanel);
    job->setContentsMargins(6, 4, 6, 4);
    btnImport = jobButton(JobPanel, QStringLiteral("取込"), QStringLiteral("ｲﾝﾎﾟｰﾄ"));
    btnExport = jobButton(JobPanel, QStringLiteral("作成"), QStringLiteral("ｴｸｽﾎﾟｰﾄ"));
    btnImport->hide();
    btnExport->hide();
    btnNew = jobButton(JobPanel, QStringLiteral("新規(&A)"));
    btnDel = jobButton(JobPanel, QStringLiteral("削除(&D)"));
    btnPost = jobButton(JobPanel, QStringLiteral("登録(&P)"));
    btnCancel = jobButton(JobPanel, QStringLiteral("取消(&C)"));
    btnClose = jobButton(JobPanel, QStringLiteral("閉じる(&L)"));
    for (QPushButton *button : {btnImport, btnExport})
        job->addWidget(button);
    job->addStretch(1);
    for (QPushButton *button : {btnNew, btnDel, btnPost, btnCancel, btnClose})
        job->addWidget(button);

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setSizeGripEnabled(false);

    auto *form = new QVBoxLayout(this);
    form->setContentsMargins(0, 0, 0, 0);
    form->setSpacing(2);
    form->addLayout(top);
    form->addWidget(EditPanel, 1);
    form->addWidget(JobPanel);
    form->addWidget(StatusBar1);

    connectButton(btnPrev, &TEditForm::btnPrevClick);
    connectButton(btnNext, &TEditForm::btnNextClick);
    connectButton(btnNew, &TEditForm::btnNewClick);
    connectButton(btnPost, &TEditForm::btnPostClick);
    connectButton(btnCancel, &TEditForm::btnCancelClick);
    connectButton(btnDel, &TEditForm::btnDelClick);
    connectButton(btnImport, &TEditForm::btnImportClick);
    connectButton(btnExport, &TEditForm::btnExportClick);
    connect(btnClose, &QPushButton::clicked, this, &TEditForm::close);
    DataSource1.addObserver(this);

    ApplyTitleStyle(TitlePanel);
    UpdateButtons();
}

TEditForm::~TEditForm()
{
    DataSource1.removeObserver(this);
}

QPushButton *TEditForm::AddJobButton(const QString &name, const QString &caption, const QString &hint,
                                     std::function<void()> handler, std::function<bool()> enabledWhen)
{
    QPushButton *button = jobButton(JobPanel, caption, hint);
    button->setObjectName(name);
    static_cast<QHBoxLayout *>(JobPanel->layout())->insertWidget(m_jobButtonCount++, button);
    connect(button, &QPushButton::clicked, this, [handler] { RunUserAction(handler); });
    if (!enabledWhen)
        enabledWhen = [this] { return DataSource1.state() == DataSetState::Browse; };
    m_jobButtons.append({button, std::move(enabledWhen)});
    UpdateButtons();
    return button;
}

void TEditForm::AddJobWidget(QWidget *widget)
{
    widget->setParent(JobPanel);
    static_cast<QHBoxLayout *>(JobPanel->layout())->insertWidget(m_jobButtonCount++, widget);
}

void TEditForm::SetIdField(const QString &caption, QWidget *field)
{
    lblID->setText(caption);
    field->setParent(RirekiPanel);
    static_cast<QVBoxLayout *>(RirekiPanel->layout())->insertWidget(1, field);
}

void TEditForm::HideVersionStrip()
{
    RirekiPanel->hide();
}

void TEditForm::AddPanel(QWidget *panel, PanelPlace place, int stretch)
{
    panel->setParent(EditPanel);
    if (place == PanelPlace::Top)
        m_editLayout->insertWidget(0, panel, stretch);
    else
        m_editLayout->addWidget(panel, stretch);
}

void TEditForm::connectButton(QPushButton *button, void (TEditForm::*handler)())
{
    // Handlers are virtual: the call goes to the derived editor's override.
    connect(button, &QPushButton::clicked, this,
            [this, handler] { RunUserAction([this, handler] { (this->*handler)(); }); });
}

TableDataSet *TEditForm::EditDataSet() const
{
    return dynamic_cast<TableDataSet *>(DataSource1.dataSet());
}

void TEditForm::commitIfOwned()
{
    if (OwnTransaction)
        m_transaction.commitRetaining();
}

TEditForm::ButtonStates TEditForm::CurrentButtonStates() const
{
    const bool browsing = DataSource1.state() == DataSetState::Browse;
    DataSet *dataSet = DataSource1.dataSet();
    const bool open = dataSet && dataSet->Active();
    return {browsing, browsing, editing(), editing(), open && !dataSet->Bof(), open && !dataSet->Eof()};
}

void TEditForm::UpdateButtons()
{
    const ButtonStates states = CurrentButtonStates();
    btnNew->setEnabled(states.New);
    btnDel->setEnabled(states.Del);
    btnPost->setEnabled(states.Post);
    btnCancel->setEnabled(states.Cancel);
    btnPrev->setEnabled(states.Prev);
    btnNext->setEnabled(states.Next);
    for (const JobButton &job : std::as_const(m_jobButtons))
        job.button->setEnabled(job.enabledWhen());
}

bool TEditForm::HasUnpostedChanges() const
{
    return editing();
}

void TEditForm::showEvent(QShowEvent *event)
{
    TmyForm::showEvent(event);
    if (m_activated)
        return;
    m_activated = true;
    // A derived editor's own button rules apply from here on.
    UpdateButtons();
    QTimer::singleShot(0, this, [this] { RunUserAction([this] { FormActivate(); }); });
}

void TEditForm::FormActivate()
{
    QPushButton *button = StartMode == 1 ? btnImport : StartMode == 2 ? btnExport : nullptr;
    if (button && button->isVisible() && button->isEnabled())
        button->click();
}

void TEditForm::DataSource1StateChange()
{
    UpdateButtons();
}

void TEditForm::DataSource1DataChange(int field)
{
    if (field < 0)
        UpdateButtons();
}

void TEditForm::btnPrevClick()
{
    if (TableDataSet *table = EditDataSet()) {
        if (editing())
            table->Post();
        table->Prior();
    }
}

void TEditForm::btnNextClick()
{
    if (TableDataSet *table = EditDataSet()) {
        if (editing())
            table->Post();
        table->Next();
    }
}

void TEditForm::btnNewClick()
{
    if (TableDataSet *table = EditDataSet())
        table->Append();
    UpdateButtons();
}

void TEditForm::btnPostClick()
{
    TableDataSet *table = EditDataSet();
    if (!table)
        return;
    const bool inserting = table->State() == DataSetState::Insert;
    table->Post();
    UpdateButtons();
    if (inserting) {
        const DataSet::Bookmark bookmark = table->GetBookmark();
        table->Refresh();
        table->GotoBookmark(bookmark);
    }
}

void TEditForm::btnCancelClick()
{
    TableDataSet *table = EditDataSet();
    if (!table || !editing())
        return;
    table->Cancel();
    if (OwnTransaction)
        m_transaction.rollbackRetaining();
    UpdateButtons();
}

void TEditForm::btnDelClick()
{
    TableDataSet *table = EditDataSet();
    if (!table || !table->Active() || table->IsEmpty())
        return;
    if (!MessageService::current().question(QStringLiteral("削除しますか？"), QStringLiteral("確認")))
        return;
    table->Delete();
    if (OwnTransaction)
        m_transaction.commitRetaining();
}

void TEditForm::FormCloseQuery(bool &canClose)
{
    if (HasUnpostedChanges())
        canClose = MessageService::current().question(
            QStringLiteral("未登録のデータがあります。それでも終了しますか？"), QStringLiteral("確認"));
}

void TEditForm::FormClose()
{
    TableDataSet *table = EditDataSet();
    if (table && editing()) {
        table->Cancel();
        if (OwnTransaction)
            m_transaction.rollbackRetaining();
    }
    if (OwnTransaction && m_transaction.isActive())
        m_transaction.commitRetaining();
    if (table)
        table->Close();
}

void TEditForm::reject()
{
    if (m_closeApproved)
        TmyForm::reject();
    else
        close();
}

void TEditForm::closeEvent(QCloseEvent *event)
{
    bool canClose = true;
    if (!RunUserAction([&] { FormCloseQuery(canClose); }) || !canClose || !RunUserAction([this] { FormClose(); })) {
        event->ignore();
        return;
    }
    m_closeApproved = true;
    TmyForm::closeEvent(event);
    m_closeApproved = false;
}
