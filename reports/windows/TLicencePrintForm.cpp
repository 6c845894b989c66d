#include "TLicencePrintForm.h"
#include "bases/TPanel.h"
#include "services/UserAction.h"

#include "dates/DateText.h"
#include "framework/PrintChecks.h"
#include "framework/PrintSettings.h"
#include "messages/MessageService.h"
#include "others/QualificationHoldersDocument.h"
#include "others/QualificationsByWorkerDocument.h"
#include "program/AppContext.h"
#include "program/DataModule1.h"

#include <QLabel>
#include <QListWidget>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace sorvik::documents;

namespace {

constexpr int kByWorkerPage = 0;

QWidget *listPage(const QStringList &explanations, const QString &caption, QListWidget *list)
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    for (const QString &text : explanations)
        layout->addWidget(new QLabel(text));
    layout->addWidget(new QLabel(caption));
    layout->addWidget(list, 1);
    return page;
}

}  // namespace

TLicencePrintForm::TLicencePrintForm(QWidget *parent)
    : TPrintForm(parent)
{
    setObjectName(QStringLiteral("LicencePrintForm"));
    setWindowTitle(QStringLiteral("資格者一覧印刷画面"));
    ListBox1 = new QListWidget;
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox2 = new QListWidget;
    ListBox2->setObjectName(QStringLiteral("ListBox2"));
    PageControl1 = new QTabWidget;
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->addTab(listPage({QStringLiteral("氏名別に資格の一覧表を印刷します。"),
                                   QStringLiteral("現在の名簿の資格詳細で登録されている業者の一覧です。")},
                                  QStringLiteral("業者名"), ListBox1),
                         QStringLiteral("業者別一覧"));
    PageControl1->addTab(listPage({QStringLiteral("現在の名簿の資格詳細で登録されている一覧です。"),
                                   QStringLiteral("選択した資格を取得している名簿を印刷します。")},
                                  QStringLiteral("資格名"), ListBox2),
                         QStringLiteral("資格別一覧"));
    auto *layout = new QVBoxLayout(ClientPanel);
    layout->addWidget(PageControl1);
    btnPrint->setEnabled(true);
    btnPrevew->setEnabled(true);
    resize(520, 480);
    connect(ListBox1, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0 && row < m_codes.size())
            GyoCode = m_codes[row];
    });
}

bool TLicencePrintForm::LoadContractorList()
{
    TDataModule1 &data = *TDataModule1::instance();
    m_codes = PrintChecks::QualifiedContractors(data.IBTransaction1, KojiCode);
    if (m_codes.isEmpty()) {
        MessageService::current().information(PrintChecks::NoQualifications);
        return false;
    }
    const QString workDate = DateToDateText(AppContext::instance().WorkDate);
    ListBox1->clear();
    for (const QString &code : m_codes) {
        QString name;
        data.GetContractorItem(KojiCode, code, QStringLiteral("CPNM"), workDate, name);
        ListBox1->addItem(name);
    }
    return true;
}

void TLicencePrintForm::showEvent(QShowEvent *event)
{
    TPrintForm::showEvent(event);
    const qsizetype chosen = m_codes.indexOf(GyoCode);
    // Setting the row runs the click rule: GyoCode follows the entry shown.
    ListBox1->setCurrentRow(chosen >= 0 ? int(chosen) : 0);
    if (ListBox2->count() == 0) {
        ListBox2->addItems(PrintChecks::QualificationNames(TDataModule1::instance()->IBTransaction1, KojiCode));
        if (ListBox2->count() > 0)
            ListBox2->setCurrentRow(0);
    }
}

void TLicencePrintForm::PrintDocument(int tag)
{
    TDataModule1 &data = *TDataModule1::instance();
    const QDate workDate = AppContext::instance().WorkDate;
    if (PageControl1->currentIndex() == kByWorkerPage) {
        QualificationsByWorkerDocument(data, PrintSettings::fromProgram(), {KojiCode, GyoCode, {}, workDate})
            .Build(Celvane1);
    } else {
        const QListWidgetItem *item = ListBox2->currentItem();
        QualificationHoldersDocument(data, PrintSettings::fromProgram(),
                                     {KojiCode, {}, item ? item->text() : QString(), workDate})
            .Build(Celvane1);
    }
    EndDocument(tag);
}
