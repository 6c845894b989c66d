#include "TKikaiPrintForm.h"
#include "bases/TPanel.h"
#include "services/UserAction.h"

#include "CheckedDatePicker.h"
#include "controls/DBGrid.h"
#include "data/DataField.h"
#include "data/SqlStatement.h"
#include "db/Error.h"
#include "equipment/MachineNotificationDocument.h"
#include "equipment/ToolNotificationDocument.h"
#include "equipment/VehicleNotificationDocument.h"
#include "framework/PrintChecks.h"
#include "messages/MessageService.h"
#include "program/AppContext.h"
#include "program/DataModule1.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTabWidget>

using namespace sorvik::documents;

namespace {

constexpr int kNewRecordTag = 0;  // new and import: a new record of the chosen contractor
constexpr int kImportMode = 1;
constexpr int kExportMode = 2;

DBGrid *grid(const QString &name, DataSource &source, const QList<DataSetModel::Column> &columns)
{
    auto *grid = new DBGrid;
    grid->setObjectName(name);
    grid->setDataSource(&source);
    grid->setColumns(columns);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::ExtendedSelection);
    return grid;
}

QPushButton *button(const QString &name, const QString &caption, int tag, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setProperty("Tag", tag);
    button->setAutoDefault(false);
    return button;
}

}  // namespace

TKikaiPrintForm::TKikaiPrintForm(QWidget *parent)
    : TPrintForm(parent)
    , IBTable1(TDataModule1::instance()->IBTransaction1)
    , IBTable2(TDataModule1::instance()->IBTransaction1)
    , IBTable3(TDataModule1::instance()->IBTransaction1)
{
    setObjectName(QStringLiteral("KikaiPrintForm"));
    setWindowTitle(QStringLiteral("車両届・持込機械使用届"));
    IBTable1.SetTableName(QStringLiteral("CARRY"));
    IBTable2.SetTableName(QStringLiteral("KIKAI"));
    IBTable3.SetTableName(QStringLiteral("KOUGU"));
    DataSource1.setDataSet(&IBTable1);
    DataSource2.setDataSet(&IBTable2);
    DataSource3.setDataSet(&IBTable3);

    ComboBox1 = new QComboBox;
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setMinimumWidth(260);
    dtPic = new CheckedDatePicker(QStringLiteral("dtPic"));
    auto *top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("業者名")));
    top->addWidget(ComboBox1);
    top->addSpacing(16);
    top->addWidget(new QLabel(QStringLiteral("印刷日：")));
    top->addWidget(dtPic);
    top->addStretch();

    const auto text = [](const char *field, const char *title, int width) {
        return DataSetModel::Column{QLatin1String(field), QString::fromUtf8(title), width};
    };
    DBGrid1 = grid(QStringLiteral("DBGrid1"), DataSource1,
                   {text("CRCD", "車両CD", 60), text("USECMPNM", "使用会社", 180), text("CATTYP", "型式", 160),
                    text("CARNO", "車両NO", 140), text("JYUNO", "受理番号", 70)});
    DBGrid2 = grid(QStringLiteral("DBGrid2"), DataSource2,
                   {text("MCCD", "MCCD", 50), text("JYUNO", "受理番号", 70), text("HNDOWCMPNM", "持込会社", 170),
                    text("KKNM", "機種", 130), text("KKMK", "メーカー", 90), text("KKSPEC", "性能", 120),
                    text("STDT", "持込日", 85), text("FNDT", "搬出予定日", 85)});
    DBGrid3 = grid(QStringLiteral("DBGrid3"), DataSource3,
                   {text("KGCD", "KGCD", 50), text("HNDOWCMPNM", "持込会社", 200), text("JYUNO", "受理番号", 70),
                    text("STDT1", "持込日(1)", 90)});
    PageControl1 = new QTabWidget;
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->addTab(DBGrid1, QStringLiteral("車両届"));
    PageControl1->addTab(DBGrid2, QStringLiteral("持込機械"));
    PageControl1->addTab(DBGrid3, QStringLiteral("持込工具"));

    auto *layout = new QVBoxLayout(ClientPanel);
    layout->addLayout(top);
    layout->addWidget(new QLabel(QStringLiteral("印刷時、複数選択するには「Ctrl」キーを押しながらクリックします")));
    layout->addWidget(PageControl1, 1);

    btnNew = button(QStringLiteral("btnNew"), QStringLiteral("新規(&A)"), 0, JobPanel);
    btnEdit = button(QStringLiteral("btnEdit"), QStringLiteral("編集(&E)"), 1, JobPanel);
    btnDel = button(QStringLiteral("btnDel"), QStringLiteral("削除(&D)"), 1, JobPanel);
    btnImport = button(QStringLiteral("btnImport"), QStringLiteral("取込"), 0, JobPanel);
    btnImport->setToolTip(QStringLiteral("新規作成してｲﾝﾎﾟｰﾄします"));
    btnExport = button(QStringLiteral("btnExport"), QStringLiteral("作成"), 1, JobPanel);
    btnExport->setToolTip(QStringLiteral("選択したデータをｴｸｽﾎﾟｰﾄします"));
    auto *bar = static_cast<QBoxLayout *>(JobPanel->layout());
    int at = 0;
    for (QPushButton *b : {btnNew, btnEdit, btnDel, btnImport, btnExport})
        bar->insertWidget(at++, b);
    resize(980, 600);

    connect(ComboBox1, &QComboBox::currentIndexChanged, this, [this] { RunUserAction([this] { ComboBox1Change(); }); });
    connect(PageControl1, &QTabWidget::currentChanged, this,
            [this] { RunUserAction([this] { PageControl1Change(); }); });
    for (QPushButton *b : {btnNew, btnEdit, btnImport, btnExport})
        connect(b, &QPushButton::clicked, this, [this, b] { RunUserAction([this, b] { openEditor(b); }); });
    connect(btnDel, &QPushButton::clicked, this, [this] { RunUserAction([this] { btnDelClick(); }); });
    Celvane1.Options().AllowSave(true);
    PageControl1Change();
}

bool TKikaiPrintForm::LoadContractorList()
{
    const QList<TreeEntry> &tree = AppContext::Project().Tree();
    if (tree.isEmpty()) {
        MessageService::current().information(PrintChecks::NoContractors);
        return false;
    }
    const QSignalBlocker quiet(ComboBox1);
    ComboBox1->clear();
    m_codes.clear();
    ComboBox1->addItem(AllContractors);
    m_codes << QString();
    for (const TreeEntry &entry : tree) {
        ComboBox1->addItem(entry.Caption);
        m_codes << entry.GyoCode;
    }
    return true;
}

void TKikaiPrintForm::SelectContractor(const QString &gyoCode)
{
    const qsizetype entry = gyoCode.isEmpty() ? 0 : m_codes.indexOf(gyoCode);
    const int index = entry > 0 ? int(entry) : 0;
    if (ComboBox1->currentIndex() == index)
        ComboBox1Change();
    else
        ComboBox1->setCurrentIndex(index);
}

void TKikaiPrintForm::showEvent(QShowEvent *event)
{
    TPrintForm::showEvent(event);
    dtPic->setDate(AppContext::instance().WorkDate);
    for (TableDataSet *table : {&IBTable1, &IBTable2, &IBTable3})
        if (!table->Active())
            table->Open();
    // Only now do the tables know their rows.
    PageControl1Change();
}

void TKikaiPrintForm::closeEvent(QCloseEvent *event)
{
    for (TableDataSet *table : {&IBTable1, &IBTable2, &IBTable3})
        table->Close();
    TPrintForm::closeEvent(event);
}

void TKikaiPrintForm::ComboBox1Change()
{
    GyoCode = m_codes.value(ComboBox1->currentIndex());
    for (TableDataSet *table : {&IBTable1, &IBTable2, &IBTable3}) {
        if (GyoCode.isEmpty())
            table->SetFilter(QStringLiteral("KJCD=?"), {CodeParam(KojiCode)});
        else
            table->SetFilter(QStringLiteral("KJCD=? and GYOCD=?"), {CodeParam(KojiCode), CodeParam(GyoCode)});
    }
    PageControl1Change();
}

void TKikaiPrintForm::PageControl1Change()
{
    TableDataSet &table = activeTable();
    const bool rows = table.Active() && !table.IsEmpty();
    const bool editors = bool(OpenEditor);
    for (QPushButton *b : {btnPrint, btnPrevew, btnDel})
        b->setEnabled(rows);
    btnEdit->setEnabled(rows && editors);
    btnExport->setEnabled(rows && editors);
    btnNew->setEnabled(editors);
    btnImport->setEnabled(editors);
}

EquipmentKind TKikaiPrintForm::ActiveKind() const
{
    switch (PageControl1->currentIndex()) {
    case 0:
        return EquipmentKind::Vehicle;
    case 1:
        return EquipmentKind::Machine;
    default:
        return EquipmentKind::Tool;
    }
}

TableDataSet &TKikaiPrintForm::activeTable()
{
    switch (ActiveKind()) {
    case EquipmentKind::Vehicle:
        return IBTable1;
    case EquipmentKind::Machine:
        return IBTable2;
    case EquipmentKind::Tool:
        break;
    }
    return IBTable3;
}

DBGrid *TKikaiPrintForm::activeGrid() const
{
    return static_cast<DBGrid *>(PageControl1->currentWidget());
}

EquipmentChoices TKikaiPrintForm::Choices() const
{
    EquipmentChoices choices{KojiCode, {}, dtPic->date(), dtPic->isChecked()};
    TableDataSet &table = const_cast<TKikaiPrintForm *>(this)->activeTable();
    const int code = table.FieldIndex(EquipmentTableOf(ActiveKind()).codeColumn);
    QList<int> rows;
    for (const QModelIndex &index : activeGrid()->selectionModel()->selectedRows())
        rows << index.row();
    std::sort(rows.begin(), rows.end());
    for (int row : rows)
        choices.codes << table.RowValue(row, code).toString();
    return choices;
}

void TKikaiPrintForm::openEditor(QPushButton *button)
{
    TableDataSet &table = activeTable();
    QString gyoCode = GyoCode;
    QString code;
    if (button->property("Tag").toInt() == kNewRecordTag) {
        if (GyoCode.isEmpty()) {
            MessageService::current().information(ChooseContractor);
            return;
        }
    } else {
        if (table.IsEmpty())
            return;
        gyoCode = table.FieldByName(QStringLiteral("GYOCD")).AsString();
        code = table.FieldByName(EquipmentTableOf(ActiveKind()).codeColumn).AsString();
    }
    const int mode = button == btnImport ? kImportMode : button == btnExport ? kExportMode : 0;
    OpenEditor(this, ActiveKind(), KojiCode, gyoCode, code, mode);
    table.Refresh();
    PageControl1Change();
}

void TKikaiPrintForm::btnDelClick()
{
    TableDataSet &table = activeTable();
    if (table.IsEmpty())
        return;
    TDataModule1 &data = *TDataModule1::instance();
    if (ActiveKind() == EquipmentKind::Vehicle
        && data.VehicleHasDailyRecords(KojiCode, table.FieldByName(QStringLiteral("GYOCD")).AsString(),
                                       table.FieldByName(QStringLiteral("CRCD")).AsString())) {
        MessageService::current().information(UsedInDailyRecords);
        return;
    }
    if (!MessageService::current().question(QStringLiteral("削除しますか？"), QStringLiteral("確認")))
        return;
    try {
        table.Delete();
        data.IBTransaction1.commitRetaining();
    } catch (const db::Error &) {
        data.IBTransaction1.rollbackRetaining();
        table.Refresh();
        throw;
    }
    PageControl1Change();
}

void TKikaiPrintForm::PrintDocument(int tag)
{
    const EquipmentChoices choices = Choices();
    if (choices.codes.isEmpty()) {
        MessageService::current().information(NothingSelected);
        return;
    }
    TDataModule1 &data = *TDataModule1::instance();
    const PrintSettings settings = PrintSettings::fromProgram();
    switch (ActiveKind()) {
    case EquipmentKind::Vehicle:
        VehicleNotificationDocument(data, settings, choices).Build(Celvane1);
        break;
    case EquipmentKind::Machine:
        MachineNotificationDocument(data, settings, choices).Build(Celvane1);
        break;
    case EquipmentKind::Tool:
        ToolNotificationDocument(data, settings, choices).Build(Celvane1);
        break;
    }
    EndDocument(tag);
}
