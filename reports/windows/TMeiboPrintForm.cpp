#include "TMeiboPrintForm.h"

#include "barcode/StriluxControl.h"
#include "barcode/StriluxLibrary.h"
#include "bases/TPanel.h"
#include "config/ConfigKeys.h"
#include "controls/DBGrid.h"
#include "data/DataField.h"
#include "controls/MarkCell.h"
#include "framework/PrintChecks.h"
#include "framework/PrintSettings.h"
#include "messages/MessageService.h"
#include "program/AppContext.h"
#include "program/DataModule1.h"
#include "roster/CardBarcode.h"
#include "roster/RosterDocument.h"
#include "roster/RosterMarks.h"
#include "roster/RosterTable.h"
#include "roster/WorkerCardsDocument.h"
#include "services/UserAction.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

using namespace sorvik::documents;

namespace {
const QString kSelColumn = QStringLiteral("SEL");
}

TMeiboPrintForm::TMeiboPrintForm(QWidget *parent)
    : TPrintForm(parent)
    , BarcodeLibrary(StriluxLibrary::defaultPath())
    , IBTable1(TDataModule1::instance()->IBTransaction1)
    , Image1(MarkCell::picture(true))
    , Image2(MarkCell::picture(false))
{
    setObjectName(QStringLiteral("MeiboPrintForm"));
    setWindowTitle(QStringLiteral("作業員名簿印刷"));
    DataSource1.setDataSet(&IBTable1);

    ListBox1 = new QListWidget;
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    DBGrid1 = new DBGrid;
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setDataSource(&DataSource1);
    DBGrid1->setColumns({{kSelColumn, QStringLiteral("印刷"), 34},
                         {QStringLiteral("INCD"), QStringLiteral("作業員CD"), 70},
                         {QStringLiteral("NAME"), QStringLiteral("氏名"), 130},
                         {QStringLiteral("FURI"), QStringLiteral("ふりがな"), 150},
                         {QStringLiteral("INDT"), QStringLiteral("入場年月日"), 90},
                         {QStringLiteral("OLD"), QStringLiteral("年齢"), 40}});
    DBGrid1->DrawColumnCell = [this](QPainter *painter, const QStyleOptionViewItem &option, int row, int column) {
        if (DBGrid1->dataSetModel()->fieldIndexOf(column) != IBTable1.FieldIndex(kSelColumn))
            return false;
        const bool marked = IBTable1.RowValue(row, IBTable1.FieldIndex(kSelColumn)).toInt() == 1;
        MarkCell::paint(*painter, option.rect, marked ? Image1 : Image2);
        return true;
    };
    DBGrid1->OnCellClick = [this](int row, int column) { DBGrid1CellClick(row, column); };

    auto *contractors = new QVBoxLayout;
    contractors->addWidget(new QLabel(QStringLiteral("業者名")));
    contractors->addWidget(ListBox1, 1);
    auto *workers = new QVBoxLayout;
    workers->addWidget(buildChoices());
    workers->addWidget(DBGrid1, 1);
    auto *columns = new QHBoxLayout(ClientPanel);
    columns->addLayout(contractors, 2);
    columns->addLayout(workers, 5);
    resize(900, 600);

    connect(ListBox1, &QListWidget::itemClicked, this, [this] { RunUserAction([this] { ListBox1Click(); }); });
    connect(DBGrid1, &QAbstractItemView::doubleClicked, this, [this] { RunUserAction([this] { DBGrid1DblClick(); }); });
    connect(btnAll, &QPushButton::clicked, this, [this] { RunUserAction([this] { btnAllClick(true); }); });
    connect(btnClear, &QPushButton::clicked, this, [this] { RunUserAction([this] { btnAllClick(false); }); });
    connect(btnSelDate, &QPushButton::clicked, this, [this] { RunUserAction([this] { btnSelDateClick(); }); });
    connect(cmbSort, &QComboBox::activated, this, [this] { RunUserAction([this] { cmbSortChange(); }); });
    connect(btnCalc, &QPushButton::clicked, this, [this] { RunUserAction([this] { btnCalcClick(); }); });

    dtPic->setDate(AppContext::instance().WorkDate);
    Celvane1.Options().AllowSave(true);
}

TMeiboPrintForm::~TMeiboPrintForm() = default;

QWidget *TMeiboPrintForm::buildChoices()
{
    auto *panel = new QWidget;
    dtPic = new QDateEdit;
    dtPic->setObjectName(QStringLiteral("dtPic"));
    dtPic->setDisplayFormat(QStringLiteral("yyyy/MM/dd"));
    dtPic->setCalendarPopup(true);
    btnSelDate = new QPushButton(QStringLiteral("この日の勤務者を選択する"));
    btnSelDate->setObjectName(QStringLiteral("btnSelDate"));
    chkCardType = new QCheckBox(QStringLiteral("資格付き作業員票で印刷"));
    chkCardType->setObjectName(QStringLiteral("chkCardType"));
    btnAll = new QPushButton(QStringLiteral("全選択"));
    btnAll->setObjectName(QStringLiteral("btnAll"));
    btnClear = new QPushButton(QStringLiteral("全解除"));
    btnClear->setObjectName(QStringLiteral("btnClear"));
    btnCalc = new QPushButton(QStringLiteral("作成日で年齢を再計算する"));
    btnCalc->setObjectName(QStringLiteral("btnCalc"));
    cmbSort = new QComboBox;
    cmbSort->setObjectName(QStringLiteral("cmbSort"));
    cmbSort->addItems({QStringLiteral("登録順"), QStringLiteral("表示順")});
    for (QPushButton *button : {btnSelDate, btnAll, btnClear, btnCalc})
        button->setAutoDefault(false);

    auto *date = new QHBoxLayout;
    date->addWidget(new QLabel(QStringLiteral("作成日：")));
    date->addWidget(dtPic);
    date->addWidget(btnSelDate);
    date->addSpacing(16);
    date->addWidget(chkCardType);
    date->addStretch();
    auto *grid = new QHBoxLayout;
    grid->addWidget(btnAll);
    grid->addWidget(btnClear);
    grid->addWidget(btnCalc);
    grid->addStretch();
    grid->addWidget(cmbSort);
    auto *layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(date);
    layout->addLayout(grid);
    return panel;
}

bool TMeiboPrintForm::LoadContractorList()
{
    m_contractors = AppContext::Project().Tree();
    ListBox1->clear();
    for (const TreeEntry &entry : m_contractors)
        ListBox1->addItem(entry.Caption);
    if (m_contractors.isEmpty()) {
        MessageService::current().information(PrintChecks::NoContractors);
        return false;
    }
    return true;
}

void TMeiboPrintForm::showEvent(QShowEvent *event)
{
    TPrintForm::showEvent(event);
    DBGrid1->setToolTip(OpenWorkerEditor ? QStringLiteral("ダブルクリックで名簿登録画面に移動します") : QString());
    if (ListBox1->currentRow() >= 0 || ListBox1->count() == 0)
        return;
    const auto chosen = std::find_if(m_contractors.begin(), m_contractors.end(),
                                     [this](const TreeEntry &entry) { return entry.GyoCode == GyoCode; });
    ListBox1->setCurrentRow(chosen == m_contractors.end() ? 0 : int(chosen - m_contractors.begin()));
    RunUserAction([this] { ListBox1Click(); });
}

RosterChoices TMeiboPrintForm::Choices() const
{
    const int entry = ListBox1->currentRow();
    RosterChoices choices;
    choices.kojiCode = KojiCode;
    choices.gyoCode = GyoCode;
    choices.contractorLabel = entry >= 0 ? ListBox1->item(entry)->text() : QString();
    choices.level = m_contractors.value(entry).Level;
    choices.date = dtPic->date();
    choices.order = cmbSort->currentIndex() == 1 ? RosterOrder::Display : RosterOrder::Registration;
    return choices;
}

void TMeiboPrintForm::openTable()
{
    RosterTable::Open(IBTable1, Choices(), false);
    const bool workers = !IBTable1.IsEmpty();
    btnPrint->setEnabled(workers);
    btnPrevew->setEnabled(workers);
}

void TMeiboPrintForm::ListBox1Click()
{
    const int entry = ListBox1->currentRow();
    if (entry < 0)
        return;
    GyoCode = m_contractors.value(entry).GyoCode;
    openTable();
}

void TMeiboPrintForm::DBGrid1CellClick(int row, int column)
{
    if (!IBTable1.Active() || IBTable1.IsEmpty()
        || DBGrid1->dataSetModel()->fieldIndexOf(column) != IBTable1.FieldIndex(kSelColumn))
        return;
    if (IBTable1.RecNo() != row)
        IBTable1.MoveTo(row);
    RosterMarks::ToggleMark(IBTable1);
}

void TMeiboPrintForm::DBGrid1DblClick()
{
    if (!OpenWorkerEditor || !IBTable1.Active() || IBTable1.IsEmpty())
        return;
    OpenWorkerEditor(KojiCode, GyoCode, IBTable1.FieldByName(QStringLiteral("INCD")).AsString());
    IBTable1.Refresh();
}

void TMeiboPrintForm::btnAllClick(bool marked)
{
    RosterMarks::MarkAll(IBTable1.Transaction(), KojiCode, GyoCode, marked);
    IBTable1.Refresh();
}

void TMeiboPrintForm::btnSelDateClick()
{
    if (!IBTable1.Active())
        return;
    RosterMarks::MarkWorkersOfDay(IBTable1.Transaction(), KojiCode, dtPic->date());
    IBTable1.Refresh();
}

void TMeiboPrintForm::cmbSortChange()
{
    if (IBTable1.Active())
        openTable();
}

void TMeiboPrintForm::btnCalcClick()
{
    const IniFile *ini = AppContext::instance().IniFile;
    const int oldAge = ini ? Config::read(*ini, Config::OldAgeForAgeTest) : Config::OldAgeForAgeTest.defaultValue;
    const int youngAge = ini ? Config::read(*ini, Config::YoungAge) : Config::YoungAge.defaultValue;
    RosterMarks::RecalculateAges(IBTable1, dtPic->date(), oldAge, youngAge);
}

StriluxControl *TMeiboPrintForm::barcodeControl()
{
    if (!StriluxCtrl1) {
        QString problem;
        StriluxCtrl1 = StriluxLibrary::createControl(BarcodeLibrary, problem);
        if (!StriluxCtrl1)
            MessageService::current().warning(CardBarcode::WithoutBarcodes + QStringLiteral("\n\r") + problem);
    }
    return StriluxCtrl1.get();
}

void TMeiboPrintForm::PrintDocument(int tag)
{
    const PrintSettings settings = PrintSettings::fromProgram();
    TDataModule1 &data = *TDataModule1::instance();
    if (chkCardType->isChecked())
        WorkerCardsDocument(data, settings, Choices(), barcodeControl()).Build(Celvane1);
    else
        RosterDocument(data, settings, Choices()).Build(Celvane1);
    EndDocument(tag);
}
