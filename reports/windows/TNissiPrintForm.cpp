#include "TNissiPrintForm.h"
#include "bases/TPanel.h"
#include "services/UserAction.h"

#include "CheckedDatePicker.h"
#include "framework/PrintSettings.h"
#include "others/SafetySheetDocument.h"
#include "program/AppContext.h"
#include "program/DataModule1.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QTabWidget>

using namespace sorvik::documents;

TNissiPrintForm::TNissiPrintForm(QWidget *parent)
    : TPrintForm(parent)
{
    setObjectName(QStringLiteral("NissiPrintForm"));
    setWindowTitle(QStringLiteral("安全衛生印刷画面"));
    PageControl1 = new QTabWidget;
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    dtPic = new CheckedDatePicker(QStringLiteral("dtPic"));
    dtPic2 = new CheckedDatePicker(QStringLiteral("dtPic2"));
    dtPic3 = new CheckedDatePicker(QStringLiteral("dtPic3"));
    const std::pair<CheckedDatePicker *, QString> pages[] = {{dtPic, QStringLiteral("作業指示書")},
                                                             {dtPic2, QStringLiteral("安全ミーティング")},
                                                             {dtPic3, QStringLiteral("教育実施報告")}};
    for (const auto &[picker, caption] : pages) {
        auto *page = new QWidget;
        auto *row = new QHBoxLayout(page);
        row->addWidget(new QLabel(QStringLiteral("作業日付：")));
        row->addWidget(picker);
        row->addStretch();
        picker->setDate(AppContext::instance().WorkDate);
        PageControl1->addTab(page, caption);
    }
    PageControl1->setCurrentIndex(0);
    auto *layout = new QVBoxLayout(ClientPanel);
    layout->addWidget(PageControl1);
    layout->addStretch();
    btnPrint->setEnabled(true);
    btnPrevew->setEnabled(true);
    resize(480, 260);
}

void TNissiPrintForm::PrintDocument(int tag)
{
    using Sheet = SafetySheetDocument::Sheet;
    const int page = PageControl1->currentIndex();
    const CheckedDatePicker *picker = page == 0 ? dtPic : page == 1 ? dtPic2 : dtPic3;
    const Sheet sheet = page == 0 ? Sheet::WorkInstruction : page == 1 ? Sheet::SafetyMeeting : Sheet::Training;
    SafetySheetDocument(*TDataModule1::instance(), PrintSettings::fromProgram(),
                        {KojiCode, GyoCode, sheet, picker->date(), picker->isChecked()})
        .Build(Celvane1);
    EndDocument(tag);
}
