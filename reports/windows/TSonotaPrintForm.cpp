#include "TSonotaPrintForm.h"
#include "bases/TPanel.h"
#include "services/UserAction.h"

#include "framework/PrintSettings.h"
#include "messages/MessageService.h"
#include "others/ConstructionNoticeDocument.h"
#include "program/DataModule1.h"

#include <QGroupBox>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace sorvik::documents;

TSonotaPrintForm::TSonotaPrintForm(QWidget *parent)
    : TPrintForm(parent)
{
    setObjectName(QStringLiteral("SonotaPrintForm"));
    setWindowTitle(QStringLiteral("その他安全文書印刷"));
    PageControl1 = new QTabWidget;
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    auto *page = new QWidget;
    grpA = new QGroupBox(QStringLiteral("通知文書"));
    grpA->setObjectName(QStringLiteral("grpA"));
    rbNotice = new QRadioButton(QStringLiteral("施工体制台帳作成建設工事の通知"));
    rbNotice->setObjectName(QStringLiteral("rbNotice"));
    rbNotice->setChecked(true);
    auto *items = new QVBoxLayout(grpA);
    items->addWidget(rbNotice);
    auto *pageLayout = new QVBoxLayout(page);
    pageLayout->addWidget(grpA);
    pageLayout->addStretch();
    PageControl1->addTab(page, QStringLiteral("通知文書"));
    auto *layout = new QVBoxLayout(ClientPanel);
    layout->addWidget(PageControl1);
    btnPrint->setEnabled(true);
    btnPrevew->setEnabled(true);
    resize(480, 320);
}

void TSonotaPrintForm::PrintDocument(int tag)
{
    if (!rbNotice->isChecked()) {
        MessageService::current().information(NoSheet);
        return;
    }
    ConstructionNoticeDocument(*TDataModule1::instance(), PrintSettings::fromProgram(), KojiCode, QDate::currentDate())
        .Build(Celvane1);
    EndDocument(tag);
}
