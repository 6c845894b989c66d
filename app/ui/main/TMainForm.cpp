#include "TMainForm.h"

#include "controls/ActionButton.h"
#include "program/AppContext.h"
#include "program/DataModule1.h"
#include "dates/DateText.h"
#include "dates/EraCalendar.h"
#include "ExchangeGuidePanel.h"
#include "system/FileHelpers.h"
#include "bases/JapaneseFonts.h"
#include "MainActions.h"
#include "MainExchangeMenu.h"
#include "MainFormWindows.h"
#include "MainMaintenanceMenu.h"
#include "MainPrintMenu.h"
#include "PrintPanel.h"
#include "bases/TmyForm.h"
#include "services/UserAction.h"
#include "config/ConfigKeys.h"
#include "config/IniFile.h"
#include "messages/MessageService.h"
#include "tree/ConstructionSystem.h"
#include "tree/MainMessages.h"

#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScopeGuard>
#include <QTabWidget>
#include <QTime>
#include <QTimer>
#include <QToolBar>
#include <QTreeView>
#include <QVBoxLayout>

TMainForm::TMainForm(TDataModule1 &data, MainFormWindows &windows, QWidget *parent)
    : QMainWindow(parent)
    , m_data(data)
    , m_windows(windows)
    , m_system(new ConstructionSystem(data.IBTransaction1, AppContext::instance().Project(), this))
{
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Sorvik ２０１０"));
    InstallJapaneseFontSubstitutions();
    QFont windowFont(QStringLiteral("ＭＳ Ｐゴシック"));
    windowFont.setPixelSize(12);
    setFont(windowFont);
    m_actions = new MainActions(this);

    auto *central = new QWidget(this);
    auto *columns = new QHBoxLayout(central);
    columns->addWidget(buildLeftColumn());
    auto *middle = new QVBoxLayout;
    middle->addWidget(buildProjectBox());
    middle->addWidget(buildTreePanel(), 1);
    columns->addLayout(middle, 1);
    PrintPanel1 = new PrintPanel(*m_actions, central);
    PrintPanel1->setFixedWidth(290);
    columns->addWidget(PrintPanel1);
    setCentralWidget(central);
    resize(1180, 780);

    connectActions();
    FormCreate();
}

TMainForm::~TMainForm() = default;

QWidget *TMainForm::buildLeftColumn()
{
    auto *column = new QWidget(this);
    column->setFixedWidth(250);
    auto *layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    lblDate = new QLabel(QStringLiteral("本日は"), column);
    QFont dateFont = lblDate->font();
    dateFont.setPixelSize(15);
    dateFont.setBold(true);
    lblDate->setFont(dateFont);
    lblClock = new QLabel(column);
    QFont clockFont = lblClock->font();
    clockFont.setPixelSize(26);
    clockFont.setBold(true);
    lblClock->setFont(clockFont);
    lblClock->setAlignment(Qt::AlignCenter);
    MonthCalendar1 = new QCalendarWidget(column);
    MonthCalendar1->setObjectName(QStringLiteral("MonthCalendar1"));
    MonthCalendar1->setToolTip(QStringLiteral("適用日付のデフォルトに出来ます"));
    MonthCalendar1->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    MonthCalendar1->setGridVisible(true);
    Memo1 = new QPlainTextEdit(column);
    Memo1->setReadOnly(true);
    layout->addWidget(lblDate);
    layout->addWidget(lblClock);
    layout->addWidget(MonthCalendar1);
    layout->addWidget(Memo1, 1);
    layout->addStretch();
    return column;
}

QWidget *TMainForm::buildProjectBox()
{
    auto *box = new QGroupBox(QStringLiteral("工事ユニット"), this);
    auto *grid = new QGridLayout(box);
    auto *nameLabel = new QLabel(QStringLiteral("名称"), box);
    nameLabel->setObjectName(QStringLiteral("lblName"));
    nameLabel->installEventFilter(this);
    edtKJNM = new QLineEdit(box);
    edtSTDT = new QLineEdit(box);
    edtFNDT = new QLineEdit(box);
    for (QLineEdit *field : {edtKJNM, edtSTDT, edtFNDT}) {
        field->setReadOnly(true);
        field->setFocusPolicy(Qt::NoFocus);
    }
    grid->addWidget(nameLabel, 0, 0);
    grid->addWidget(edtKJNM, 0, 1, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("工期"), box), 1, 0);
    grid->addWidget(edtSTDT, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("～"), box), 1, 2);
    grid->addWidget(edtFNDT, 1, 3);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    return box;
}

QWidget *TMainForm::buildTreePanel()
{
    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("TreePanel"));
    panel->setFrameShape(QFrame::StyledPanel);
    auto *layout = new QVBoxLayout(panel);
    lblTitle = new QLabel(QStringLiteral("施工体制"), panel);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    lblTitle->setContentsMargins(8, 2, 8, 2);
    lblKojiNM = new QLabel(panel);
    lblKojiNM->setObjectName(QStringLiteral("lblKojiNM"));
    QFont nameFont = lblKojiNM->font();
    nameFont.setPixelSize(14);
    nameFont.setBold(true);
    lblKojiNM->setFont(nameFont);
    lblKojiNM->installEventFilter(this);
    auto *note = new QLabel(QStringLiteral("↓業者を選択して右クリックしてメニューを表示します"), panel);
    TreeView1 = new QTreeView(panel);
    TreeView1->setObjectName(QStringLiteral("TreeView1"));
    TreeView1->setModel(&m_system->tree());
    TreeView1->setHeaderHidden(true);
    TreeView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TreeView1->setToolTip(QStringLiteral("右クリックメニューで業者の追加編集を行います"));
    TreeView1->setContextMenuPolicy(Qt::CustomContextMenu);
    TreeView1->setExpandsOnDoubleClick(false);
    QFont treeFont = TreeView1->font();
    treeFont.setPixelSize(16);
    TreeView1->setFont(treeFont);
    TreeView1->installEventFilter(this);
    ExchangePanel = new ExchangeGuidePanel(panel);
    layout->addWidget(lblTitle);
    layout->addWidget(lblKojiNM);
    layout->addWidget(note);
    layout->addWidget(TreeView1, 1);
    layout->addWidget(ExchangePanel);
    return panel;
}

void TMainForm::connectActions()
{
    MainActions &a = *m_actions;
    // A database failure inside a command is shown with its own text; it never reaches
    // the event loop.
    const auto run = [this](QAction *action, void (TMainForm::*handler)()) {
        connect(action, &QAction::triggered, this,
                [this, handler] { RunUserAction([this, handler] { (this->*handler)(); }); });
    };
    run(a.actKoji, &TMainForm::actKojiExecute);
    run(a.nmNewKoji, &TMainForm::nmNewKojiClick);
    run(a.actSelKoji, &TMainForm::actSelKojiExecute);
    run(a.actGyoEdit, &TMainForm::actGyoEditExecute);
    run(a.actSetMotoNew, &TMainForm::actSetMotoNewExecute);
    run(a.actSetGyoNew, &TMainForm::actSetGyoNewExecute);
    run(a.actGyoAdd, &TMainForm::actGyoAddExecute);
    run(a.actSetMotoList, &TMainForm::actSetMotoListExecute);
    run(a.actSetGyoList, &TMainForm::actSetGyoListExecute);
    run(a.actGyoDel, &TMainForm::actGyoDelExecute);
    run(a.nmGyoEdit, &TMainForm::nmGyoEditClick);
    run(a.nmSet, &TMainForm::nmSetClick);
    run(a.nmShokuInfo, &TMainForm::nmShokuInfoClick);
    run(a.actPTaikeizu, &TMainForm::actPTaikeizuExecute);
    run(a.actMeibo, &TMainForm::actMeiboExecute);
    run(a.actSikaku, &TMainForm::actSikakuExecute);
    connect(a.nmQuit, &QAction::triggered, this, &TMainForm::close);
    m_exchangeMenu = new MainExchangeMenu(
        m_data, a, [this](const QString &code) { LoadKojiOrNone(code); }, this);

    connect(m_system, &ConstructionSystem::changed, this, &TMainForm::applyState);
    connect(&m_system->tree(), &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex &parent) { TreeView1->expand(parent); });
    connect(&m_system->tree(), &QAbstractItemModel::modelReset, this, [this] {
        m_system->Select({});
        TreeView1->expandAll();
    });
    connect(TreeView1->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) {
                if (current != m_system->SelNode())
                    m_system->Select(current);
            });
    connect(TreeView1, &QTreeView::doubleClicked, a.actGyoEdit, &QAction::trigger);
    connect(TreeView1, &QWidget::customContextMenuRequested, this, &TMainForm::TreeView1ContextMenu);
    connect(edtKJNM, &QLineEdit::textChanged, this, [this](const QString &name) {
        lblKojiNM->setText(ConstructionSystem::ProjectLabel(AppContext::instance().Project().CurKojiCode(), name));
    });
    connect(MonthCalendar1, &QCalendarWidget::clicked, this,
            [](const QDate &date) { AppContext::instance().WorkDate = date; });
    connect(MonthCalendar1, &QCalendarWidget::selectionChanged, this,
            [this] { AppContext::instance().WorkDate = MonthCalendar1->selectedDate(); });
    connect(ExchangePanel->chkHide, &QCheckBox::toggled, this, &TMainForm::chkHideToggled);
    connect(ExchangePanel, &ExchangeGuidePanel::notificationsClicked, a.actTodoke, &QAction::trigger);
    new MainPrintMenu(a, *m_system, *PrintPanel1, m_windows, this);
    new MainMaintenanceMenu(
        m_data, a, m_windows, *Memo1, [this](const QString &code) { LoadKojiOrNone(code); }, this);
}

void TMainForm::FormCreate()
{
    AppContext &context = AppContext::instance();
    IniFile &ini = *context.IniFile;
    context.Project().Clear();

    const QDate today = QDate::currentDate();
    MonthCalendar1->setSelectedDate(today);
    context.WorkDate = today;

    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this,
            [this] { lblClock->setText(QTime::currentTime().toString(QStringLiteral("hh:mm:ss"))); });
    if (!Config::read(ini, Config::Debug))
        Timer1->start();

    ExchangePanel->chkHide->setChecked(!Config::read(ini, Config::ExpMenu));
    ExchangePanel->hide();
    m_actions->mnCar->menuAction()->setVisible(false);
    m_actions->mnAdmin->menuAction()->setVisible(false);
    for (QAction *action : m_actions->hiddenActions())
        action->setVisible(false);
    Memo1->hide();

    lblDate->setText(EraCalendar::format(today, QStringLiteral("今日は gg  e年 m月 d日 です")));
    lblClock->setText(QTime::currentTime().toString(QStringLiteral("hh:mm:ss")));
    TmyForm::ApplyTitleStyle(lblTitle);

    // The configuration was read once by the data module; the settings window keeps the
    // context up to date.
    if (context.CompanyName.isEmpty())
        m_windows.editSettings(this, true);

    bool loaded = false;
    RunUserAction([&] { loaded = LoadKojiOrNone(Config::read(ini, Config::KojiCode)); });
    if (!loaded)
        MessageService::current().information(MainMessages::FirstUse);
    applyState();

    const bool local = db::Database::isLocalName(m_data.IBDatabase1.databaseName());
    m_actions->nmBackup->setEnabled(local);
    if (!local)
        MessageService::current().information(MainMessages::NetworkConnection);

    PrintPanel1->PageControl1->setCurrentIndex(0);
}

bool TMainForm::LoadKojiOrNone(const QString &code)
{
    // A large construction system takes a moment to read and draw.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const auto restore = qScopeGuard([] { QApplication::restoreOverrideCursor(); });
    const bool loaded = m_system->LoadKoji(code);
    applyState();
    return loaded;
}

void TMainForm::applyState()
{
    const MainActionState state = m_system->actionState();
    for (QAction *action : m_actions->projectDependent())
        action->setEnabled(state.projectDependent);
    m_exchangeMenu->setProjectLoaded(state.projectDependent);
    ExchangePanel->lblImportWorkers->setEnabled(state.projectDependent);
    ExchangePanel->lblImportNotifications->setEnabled(state.projectDependent);
    for (QAction *action : m_actions->primeDependent())
        action->setEnabled(state.primeDependent);
    m_actions->actPNissi->setEnabled(state.nissiEnabled);
    for (QAction *action : m_actions->nodeDependent())
        action->setEnabled(state.nodeDependent);
    m_actions->actSetMotoList->setVisible(state.primeActionsVisible);
    m_actions->actSetMotoNew->setVisible(state.primeActionsVisible);
    m_actions->actSetGyoList->setVisible(state.subActionsVisible);
    m_actions->actSetGyoNew->setVisible(state.subActionsVisible);
    showProjectFields();
}

void TMainForm::showProjectFields()
{
    if (edtKJNM->text() != m_system->ProjectName())
        edtKJNM->setText(m_system->ProjectName());
    else
        lblKojiNM->setText(
            ConstructionSystem::ProjectLabel(AppContext::instance().Project().CurKojiCode(), edtKJNM->text()));
    edtSTDT->setText(m_system->PeriodFrom());
    edtFNDT->setText(m_system->PeriodTo());
    const QModelIndex selected = m_system->SelNode();
    if (TreeView1->currentIndex() != selected)
        TreeView1->setCurrentIndex(selected);
}

void TMainForm::chkHideToggled(bool checked)
{
    Config::write(*AppContext::instance().IniFile, Config::ExpMenu, !checked);
    ExchangePanel->setVisible(!checked);
}

void TMainForm::TreeView1ContextMenu(const QPoint &position)
{
    const QModelIndex index = TreeView1->indexAt(position);
    if (index.isValid())
        TreeView1->setCurrentIndex(index);
    m_actions->PopupMenu1->popup(TreeView1->viewport()->mapToGlobal(position));
}

bool TMainForm::eventFilter(QObject *watched, QEvent *event)
{
    // The keyboard's way to the tree's menu: Shift+F10 and the menu key, at the node.
    if (watched == TreeView1 && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Menu || (key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier)) {
            const QRect node = TreeView1->visualRect(TreeView1->currentIndex());
            TreeView1ContextMenu(node.isValid() ? node.center() : QPoint(0, 0));
            return true;
        }
    }
    if (event->type() == QEvent::MouseButtonDblClick) {
        if (watched == lblKojiNM) {
            (m_actions->actKoji->isEnabled() ? m_actions->actKoji : m_actions->nmNewKoji)->trigger();
            return true;
        }
        if (watched->objectName() == QLatin1String("lblName")) {
            m_actions->actSelKoji->trigger();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TMainForm::actKojiExecute()
{
    if (m_windows.editProject(this, AppContext::instance().Project().CurKojiCode()).posted)
        m_system->RefreshProject();
}

void TMainForm::nmNewKojiClick()
{
    const MainFormWindows::EditResult created = m_windows.editProject(this, QStringLiteral("0"));
    if (created.posted)
        LoadKojiOrNone(created.code);
}

void TMainForm::actGyoEditExecute()
{
    const QModelIndex node = m_system->SelNode();
    if (!node.isValid())
        return;
    const MainFormWindows::EditResult edited = m_windows.editContractor(
        this, AppContext::instance().Project().CurKojiCode(), m_system->SelGyoCode(), m_system->SelectedIsPrime());
    renameEdited(node, edited.name);
}

void TMainForm::renameEdited(const QModelIndex &node, const QString &name)
{
    if (node.isValid() && !name.isEmpty() && name != m_system->tree().caption(node))
        m_system->RenameNode(node, name);
}

void TMainForm::actSetMotoNewExecute()
{
    const MainFormWindows::EditResult created
        = m_windows.editContractor(this, AppContext::instance().Project().CurKojiCode(), {}, true);
    if (created.posted && !created.code.isEmpty())
        m_system->PlacePrime(created.code, created.name);
}

void TMainForm::actSetGyoNewExecute()
{
    if (!m_system->SelNode().isValid()) {
        MessageService::current().information(MainMessages::SelectOrderer);
        return;
    }
    const MainFormWindows::EditResult created
        = m_windows.editContractor(this, AppContext::instance().Project().CurKojiCode(), {}, false);
    if (created.posted && !created.code.isEmpty())
        m_system->PlaceUnderSelected(created.code, created.name);
}

void TMainForm::actGyoAddExecute()
{
    m_windows.editContractor(this, AppContext::instance().Project().CurKojiCode(), {}, false);
}

void TMainForm::actSelKojiExecute()
{
    const QString current = AppContext::instance().Project().CurKojiCode();
    const MainFormWindows::ProjectChoice choice = m_windows.pickProject(this, current);
    if (choice.code != current)
        LoadKojiOrNone(choice.code);
}

void TMainForm::actSetMotoListExecute()
{
    MainFormWindows::ContractorChoice choice;
    if (m_windows.pickContractor(this, AppContext::instance().Project().CurKojiCode(), {}, false, choice))
        m_system->PlacePrime(choice.gyoCode, choice.name);
}

void TMainForm::actSetGyoListExecute()
{
    if (!m_system->SelNode().isValid()) {
        MessageService::current().information(MainMessages::SelectOrderer);
        return;
    }
    MainFormWindows::ContractorChoice choice;
    if (m_windows.pickContractor(this, AppContext::instance().Project().CurKojiCode(), m_system->SelGyoCode(), true,
                                 choice))
        m_system->PlaceUnderSelected(choice.gyoCode, choice.name);
}

void TMainForm::actGyoDelExecute()
{
    m_system->RemoveSelected();
}

void TMainForm::nmGyoEditClick()
{
    const QString project = AppContext::instance().Project().CurKojiCode();
    MainFormWindows::ContractorChoice choice;
    while (m_windows.pickContractor(this, project, {}, false, choice)) {
        const MainFormWindows::EditResult edited
            = m_windows.editContractor(this, project, choice.gyoCode, choice.gyoCode == m_system->PrimeGyoCode());
        renameEdited(m_system->tree().find(choice.gyoCode), edited.name);
    }
}

void TMainForm::nmSetClick()
{
    m_windows.editSettings(this, false);
    TmyForm::ApplyTitleStyle(lblTitle);
    ExchangePanel->chkHide->setChecked(!Config::read(*AppContext::instance().IniFile, Config::ExpMenu));
}

void TMainForm::nmShokuInfoClick()
{
    m_windows.editStaff(this);
}

void TMainForm::actPTaikeizuExecute()
{
    m_windows.editChart(this, AppContext::instance().Project().CurKojiCode());
}

void TMainForm::actMeiboExecute()
{
    m_windows.editWorkers(this, AppContext::instance().Project().CurKojiCode(), m_system->SelGyoCode());
}

void TMainForm::actSikakuExecute()
{
    m_windows.editNames(this);
}

void TMainForm::closeEvent(QCloseEvent *event)
{
    AppContext &context = AppContext::instance();
    Config::write(*context.IniFile, Config::KojiCode, context.Project().CurKojiCode());
    ClearFolder(context.ImageRoot + QStringLiteral("image"));
    m_system->ClearTree();
    context.Project().PublishTree({});
    event->accept();
}
