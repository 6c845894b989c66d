#include "TTenkenPrintForm.h"
#include "bases/TPanel.h"
#include "services/UserAction.h"

#include "TKikaiListForm.h"
#include "framework/PrintSettings.h"
#include "messages/MessageService.h"
#include "others/InspectionSheetDocument.h"
#include "program/AppContext.h"
#include "services/ModalService.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>

using namespace sorvik::documents;

namespace {

constexpr int kScaffoldPage = 0;
constexpr int kMachinePage = 1;

// A radio group of the periodic and the before-work sheet, neither chosen at first.
QGroupBox *sheetChoice(const QString &name, const QString &title, QButtonGroup *&items)
{
    auto *box = new QGroupBox(title);
    box->setObjectName(name);
    items = new QButtonGroup(box);
    auto *layout = new QVBoxLayout(box);
    int id = 0;
    for (const QString &caption : {QStringLiteral("定期点検表"), QStringLiteral("始業前点検表")}) {
        auto *button = new QRadioButton(caption);
        button->setObjectName(name + QString::number(id));
        items->addButton(button, id++);
        layout->addWidget(button);
    }
    return box;
}

QLineEdit *edit(const QString &name)
{
    auto *line = new QLineEdit;
    line->setObjectName(name);
    return line;
}

}  // namespace

TTenkenPrintForm::TTenkenPrintForm(QWidget *parent)
    : TPrintForm(parent)
{
    setObjectName(QStringLiteral("TenkenPrintForm"));
    setWindowTitle(QStringLiteral("各種点検表印刷"));
    PageControl1 = new QTabWidget;
    PageControl1->setObjectName(QStringLiteral("PageControl1"));

    auto *scaffold = new QWidget;
    grpAC = sheetChoice(QStringLiteral("grpAC"), QStringLiteral("足場等点検表"), grpACItems);
    txtBasho = edit(QStringLiteral("txtBasho"));
    auto *scaffoldFields = new QFormLayout;
    scaffoldFields->addRow(QStringLiteral("設置場所"), txtBasho);
    auto *scaffoldLayout = new QVBoxLayout(scaffold);
    scaffoldLayout->addWidget(grpAC);
    scaffoldLayout->addLayout(scaffoldFields);
    scaffoldLayout->addStretch();
    PageControl1->addTab(scaffold, QStringLiteral("足場等"));

    auto *machine = new QWidget;
    grpCC = sheetChoice(QStringLiteral("grpCC"), QStringLiteral("車両系点検表"), grpCCItems);
    txtKikaiNM = edit(QStringLiteral("txtKikaiNM"));
    btnKKNM = new QPushButton(QStringLiteral("参照..."));
    btnKKNM->setObjectName(QStringLiteral("btnKKNM"));
    btnKKNM->setToolTip(QStringLiteral("作業員名簿から参照します"));
    btnKKNM->setAutoDefault(false);
    txtJNO = edit(QStringLiteral("txtJNO"));
    auto *name = new QHBoxLayout;
    name->addWidget(txtKikaiNM, 1);
    name->addWidget(btnKKNM);
    auto *machineFields = new QFormLayout;
    machineFields->addRow(QStringLiteral("機械名称"), name);
    machineFields->addRow(QStringLiteral("受理番号"), txtJNO);
    auto *machineLayout = new QVBoxLayout(machine);
    machineLayout->addWidget(grpCC);
    machineLayout->addLayout(machineFields);
    machineLayout->addStretch();
    PageControl1->addTab(machine, QStringLiteral("車両系"));

    auto *layout = new QVBoxLayout(ClientPanel);
    layout->addWidget(PageControl1);
    btnPrint->setEnabled(true);
    btnPrevew->setEnabled(true);
    resize(520, 360);
    connect(btnKKNM, &QPushButton::clicked, this, [this] { RunUserAction([this] { btnKKNMClick(); }); });
}

void TTenkenPrintForm::SetPage(int index)
{
    if (index == 0)
        PageControl1->setCurrentIndex(kScaffoldPage);
    else if (index == 2)
        PageControl1->setCurrentIndex(kMachinePage);
}

void TTenkenPrintForm::btnKKNMClick()
{
    TKikaiListForm picker(this);
    picker.KojiCode = KojiCode;
    picker.SetMode(TKikaiListForm::PickerMode);
    ModalService::current().run(picker);
    if (picker.PickedName.isEmpty())
        return;
    txtKikaiNM->setText(picker.PickedName);
    txtJNO->setText(picker.PickedAcceptance);
}

void TTenkenPrintForm::PrintDocument(int tag)
{
    using Sheet = InspectionSheetDocument::Sheet;
    const bool scaffold = PageControl1->currentIndex() == kScaffoldPage;
    const int choice = (scaffold ? grpACItems : grpCCItems)->checkedId();
    if (choice < 0) {
        MessageService::current().information(NoSheet);
        return;
    }
    InspectionSheetDocument::Choices choices;
    if (scaffold)
        choices.sheet = choice == 0 ? Sheet::ScaffoldPeriodic : Sheet::ScaffoldBeforeWork;
    else
        choices.sheet = choice == 0 ? Sheet::MachinePeriodic : Sheet::MachineBeforeWork;
    choices.projectName = AppContext::Project().CurKojiName();
    choices.place = txtBasho->text();
    choices.machineName = txtKikaiNM->text();
    choices.acceptance = txtJNO->text();
    InspectionSheetDocument(PrintSettings::fromProgram(), choices).Build(Celvane1);
    EndDocument(tag);
}
