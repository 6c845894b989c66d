#include "TKikaiListForm.h"
#include "bases/TPanel.h"
#include "services/UserAction.h"

#include "CheckedDatePicker.h"
#include "controls/DBGrid.h"
#include "data/DataField.h"
#include "equipment/EquipmentCells.h"
#include "messages/MessageService.h"
#include "others/MachineSearch.h"
#include "program/AppContext.h"
#include "program/DataModule1.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

using namespace sorvik::documents;

TKikaiListForm::TKikaiListForm(QWidget *parent)
    : TPrintForm(parent)
    , IBQuery1(TDataModule1::instance()->IBTransaction1)
{
    setObjectName(QStringLiteral("KikaiListForm"));
    setWindowTitle(QStringLiteral("機械検索"));
    DataSource1.setDataSet(&IBQuery1);

    dtUSE = new CheckedDatePicker(QStringLiteral("dtUSE"));
    dtUSE->setDate(AppContext::instance().WorkDate);
    dtUSE->setChecked(false);
    cmbCMP1NM = new QComboBox;
    cmbCMP1NM->setObjectName(QStringLiteral("cmbCMP1NM"));
    cmbCMP1NM->setMinimumWidth(220);
    txtName = new QLineEdit;
    txtName->setObjectName(QStringLiteral("txtName"));
    BitBtn1 = new QPushButton(QStringLiteral("検索"));
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setAutoDefault(false);
    auto *top = new QGridLayout;
    top->addWidget(new QLabel(QStringLiteral("稼働日(元請使用期間)：")), 0, 0);
    top->addWidget(dtUSE, 0, 1, Qt::AlignLeft);
    top->addWidget(new QLabel(QStringLiteral("一次会社名：")), 1, 0);
    top->addWidget(cmbCMP1NM, 1, 1, Qt::AlignLeft);
    top->addWidget(new QLabel(QStringLiteral("機械名称（部分一致）：")), 2, 0);
    top->addWidget(txtName, 2, 1);
    top->addWidget(BitBtn1, 2, 2);
    top->setColumnStretch(1, 1);

    DBGrid1 = new DBGrid;
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setDataSource(&DataSource1);
    DBGrid1->setColumns({{QStringLiteral("CMP1NM"), QStringLiteral("一次会社"), 150},
                         {QStringLiteral("HNDOWCMPNM"), QStringLiteral("持込会社"), 150},
                         {QStringLiteral("KKNM"), QStringLiteral("機械名称"), 150},
                         {QStringLiteral("KKSPEC"), QStringLiteral("規格・性能"), 150},
                         {QStringLiteral("JYUNO"), QStringLiteral("受理No."), 60}});
    auto *layout = new QVBoxLayout(ClientPanel);
    layout->addLayout(top);
    layout->addWidget(DBGrid1, 1);

    btnOK = new QPushButton(QStringLiteral("選択"), JobPanel);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnCansel = new QPushButton(QStringLiteral("キャンセル"), JobPanel);
    btnCansel->setObjectName(QStringLiteral("btnCansel"));
    for (QPushButton *button : {btnOK, btnCansel}) {
        button->setAutoDefault(false);
        button->setMinimumWidth(96);
        button->hide();
        JobPanel->layout()->addWidget(button);
    }
    resize(760, 480);

    connect(BitBtn1, &QPushButton::clicked, this, [this] { RunUserAction([this] { BitBtn1Click(); }); });
    connect(btnOK, &QPushButton::clicked, this, [this] { RunUserAction([this] { btnOKClick(); }); });
    connect(btnCansel, &QPushButton::clicked, this, [this] { RunUserAction([this] { btnCanselClick(); }); });
    connect(DBGrid1, &QAbstractItemView::doubleClicked, this, [this] { RunUserAction([this] { btnOKClick(); }); });
}

void TKikaiListForm::SetMode(int mode)
{
    m_mode = mode;
    const bool picker = mode == PickerMode;
    btnPrint->setVisible(!picker);
    btnPrevew->setVisible(!picker);
    btnClose->setVisible(!picker);  // キャンセル closes the picker
    btnOK->setVisible(picker);
    btnCansel->setVisible(picker);
}

void TKikaiListForm::showEvent(QShowEvent *event)
{
    TPrintForm::showEvent(event);
    cmbCMP1NM->clear();
    cmbCMP1NM->addItem(QString());
    cmbCMP1NM->addItems(MachineSearch::Companies(TDataModule1::instance()->IBTransaction1, KojiCode));
}

void TKikaiListForm::BitBtn1Click()
{
    const MachineSearch search{KojiCode, txtName->text(), cmbCMP1NM->currentText(),
                               dtUSE->isChecked() ? dtUSE->date() : QDate()};
    const SqlStatement sql = search.Sql();
    IBQuery1.SetSQL(sql.text, sql.params);
    IBQuery1.Open();
    if (IBQuery1.IsEmpty()) {
        IBQuery1.Close();
        MessageService::current().information(NothingFound);
    }
}

void TKikaiListForm::btnOKClick()
{
    if (m_mode != PickerMode || !IBQuery1.Active() || IBQuery1.IsEmpty())
        return;
    PickedName = IBQuery1.FieldByName(QStringLiteral("KKNM")).AsString();
    PickedAcceptance = EquipmentCells::MachineAcceptance(IBQuery1);
    accept();
}

void TKikaiListForm::btnCanselClick()
{
    PickedName.clear();
    PickedAcceptance.clear();
    reject();
}
