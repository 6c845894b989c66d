#include "TTaikeiPrintForm.h"

#include "chart/ChartPrintRows.h"
#include "chart/EngineerChartDocument.h"
#include "framework/PrintSettings.h"
#include "program/AppContext.h"
#include "program/DataModule1.h"
#include "services/UserAction.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

using namespace sorvik::documents;

namespace {

QFont pGothic(int pixels)
{
    QFont font(QStringLiteral("ＭＳ Ｐゴシック"));
    font.setPixelSize(pixels);
    return font;
}

}  // namespace

TTaikeiPrintForm::TTaikeiPrintForm(QWidget *parent)
    : TPrintForm(parent)
{
    setObjectName(QStringLiteral("TaikeiPrintForm"));
    setWindowTitle(QStringLiteral("体系図印刷画面"));

    Panel1 = new QWidget;
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFixedWidth(169);
    Label1 = new QLabel(QStringLiteral("適用日付"));
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(pGothic(12));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setAutoFillBackground(true);
    QPalette heading = Label1->palette();
    heading.setColor(QPalette::Window, QColor(0x00, 0x80, 0x80));
    heading.setColor(QPalette::WindowText, Qt::white);
    Label1->setPalette(heading);
    ListBox1 = new QListWidget;
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setFont(pGothic(16));
    auto *versions = new QVBoxLayout(Panel1);
    versions->setContentsMargins(0, 0, 0, 0);
    versions->setSpacing(0);
    versions->addWidget(Label1);
    versions->addWidget(ListBox1, 1);

    Label2 = new QLabel(QStringLiteral("印刷する作成日付："));
    Label2->setObjectName(QStringLiteral("Label2"));
    PrDT = new QDateEdit;
    PrDT->setObjectName(QStringLiteral("PrDT"));
    PrDT->setDisplayFormat(QStringLiteral("yyyy/MM/dd"));
    PrDT->setCalendarPopup(true);
    Label2->setBuddy(PrDT);
    chkLinkLine = new QCheckBox(QStringLiteral("関連する業者間を可能な限り罫線で記述する"));
    chkLinkLine->setObjectName(QStringLiteral("chkLinkLine"));
    chkLinkLine->setChecked(true);

    auto *date = new QHBoxLayout;
    date->addWidget(Label2);
    date->addWidget(PrDT);
    date->addStretch();
    auto *choices = new QVBoxLayout;
    choices->addLayout(date);
    choices->addWidget(chkLinkLine);
    choices->addStretch();
    auto *columns = new QHBoxLayout(ClientPanel);
    columns->addWidget(Panel1);
    columns->addLayout(choices, 1);
    resize(560, 360);

    connect(ListBox1, &QListWidget::currentRowChanged, this, [this] { RunUserAction([this] { ListBox1Click(); }); });

    PrDT->setDate(AppContext::instance().WorkDate);
    Celvane1.Options().AllowSave(true);
}

void TTaikeiPrintForm::showEvent(QShowEvent *event)
{
    TPrintForm::showEvent(event);
    setWindowTitle(QStringLiteral("技術者体系図"));
    RunUserAction([this] { LoadVersions(); });
}

void TTaikeiPrintForm::LoadVersions()
{
    ListBox1->clear();
    ListBox1->addItems(ChartPrintRows::Versions(TDataModule1::instance()->IBTransaction1, KojiCode));
    const bool any = ListBox1->count() > 0;
    btnPrint->setEnabled(any);
    btnPrevew->setEnabled(any);
    if (any)
        ListBox1->setCurrentRow(0);
}

void TTaikeiPrintForm::ListBox1Click()
{
    const QListWidgetItem *item = ListBox1->currentItem();
    ChartDate = item ? item->text() : QString();
}

EngineerChartChoices TTaikeiPrintForm::Choices() const
{
    return {KojiCode, ChartDate, PrDT->date(), chkLinkLine->isChecked()};
}

void TTaikeiPrintForm::PrintDocument(int tag)
{
    const AppContext &context = AppContext::instance();
    EngineerChartDocument(*TDataModule1::instance(), PrintSettings::fromProgram(),
                          ChartPrintConfig::read(context.IniFile), Choices())
        .Build(Celvane1);
    EndDocument(tag);
}
