#include "TDaityoPrintForm.h"

#include "config/ConfigKeys.h"
#include "framework/PrintSettings.h"
#include "ledger/LedgerDocument.h"
#include "ledger/RegionalLedgerDocument.h"
#include "program/AppContext.h"
#include "program/DataModule1.h"
#include "services/UserAction.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace sorvik::documents;

namespace {

template<typename Widget> Widget *named(Widget *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

db::Transaction &transaction()
{
    return TDataModule1::instance()->IBTransaction1;
}

}  // namespace

TDaityoPrintForm::TDaityoPrintForm(QWidget *parent)
    : TPrintForm(parent)
{
    setObjectName(QStringLiteral("DaityoPrintForm"));
    setWindowTitle(QStringLiteral("施工体制台帳印刷画面"));

    lblPrDT = new QLabel(QStringLiteral("印刷する作成日付："));
    PrDT = named(new QDateEdit, "PrDT");
    PrDT->setDisplayFormat(QStringLiteral("yyyy/MM/dd"));
    PrDT->setCalendarPopup(true);
    lblCMP = named(new QLabel(QStringLiteral("報告協力会社：")), "lblCMP");
    cmbCMP = named(new QComboBox, "cmbCMP");
    lblUke = new QLabel(QStringLiteral("印刷する下請会社指定："));
    chkListAll = named(new QCheckBox(QStringLiteral("全ての直下の下請けを印刷")), "chkListAll");
    cmbUke = named(new QComboBox, "cmbUke");
    for (QComboBox *list : {cmbCMP, cmbUke}) {
        list->setMinimumWidth(320);
        list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    }
    chkPrnLocal = named(new QCheckBox(QStringLiteral("地域版指定書式で印刷")), "chkPrnLocal");
    QPalette blue = chkPrnLocal->palette();
    blue.setColor(QPalette::WindowText, Qt::blue);
    chkPrnLocal->setPalette(blue);

    auto *grid = new QGridLayout;
    grid->addWidget(lblPrDT, 0, 0, Qt::AlignRight);
    grid->addWidget(PrDT, 0, 1, Qt::AlignLeft);
    grid->addWidget(lblCMP, 1, 0, Qt::AlignRight);
    grid->addWidget(cmbCMP, 1, 1);
    grid->addWidget(lblUke, 2, 0, Qt::AlignRight);
    grid->addWidget(chkListAll, 2, 1, Qt::AlignLeft);
    grid->addWidget(cmbUke, 3, 1);
    grid->addWidget(chkPrnLocal, 4, 1, Qt::AlignLeft);
    grid->addWidget(buildLocalLayouts(), 5, 1);
    grid->setColumnStretch(1, 1);
    auto *layout = new QVBoxLayout(ClientPanel);
    layout->setContentsMargins(16, 12, 16, 12);
    layout->addLayout(grid);
    layout->addStretch();
    resize(560, 420);

    connect(cmbCMP, &QComboBox::activated, this, [this] { RunUserAction([this] { cmbCMPChange(); }); });
    connect(cmbUke, &QComboBox::activated, this, [this] { RunUserAction([this] { ButtonRule(); }); });
    connect(chkListAll, &QCheckBox::clicked, this, [this] { RunUserAction([this] { chkListAllClick(); }); });
    connect(chkPrnLocal, &QCheckBox::clicked, this, [this] { RunUserAction([this] { chkPrnLocalClick(); }); });
    for (QRadioButton *button : rbLyouts)
        connect(button, &QRadioButton::toggled, this, [this] { ButtonRule(); });

    PrDT->setDate(AppContext::instance().WorkDate);
    const IniFile *ini = AppContext::instance().IniFile;
    const QString region = ini ? Config::read(*ini, Config::Local) : QString::fromUtf8(Config::Local.defaultValue);
    chkPrnLocal->setVisible(!region.isEmpty());
    grpLocalLyout->setVisible(false);
    Celvane1.Options().AllowSave(true);
}

QWidget *TDaityoPrintForm::buildLocalLayouts()
{
    grpLocalLyout = named(new QGroupBox(QStringLiteral("書式")), "grpLocalLyout");
    auto *buttons = new QVBoxLayout(grpLocalLyout);
    for (int tag = 0; tag < RegionalLedgerDocument::LayoutCount; ++tag) {
        const auto layout = RegionalLedgerDocument::Layout(tag);
        auto *button = new QRadioButton(RegionalLedgerDocument::SheetName(layout));
        button->setObjectName(QStringLiteral("rbLyout%1").arg(tag + 1));
        button->setProperty("Tag", tag);
        buttons->addWidget(button);
        rbLyouts << button;
    }
    return grpLocalLyout;
}

void TDaityoPrintForm::SetMode(int mode)
{
    m_mode = mode;
    lblCMP->setVisible(mode == 2);
    cmbCMP->setVisible(mode == 2);
    for (QRadioButton *button : rbLyouts) {
        const auto layout = RegionalLedgerDocument::Layout(button->property("Tag").toInt());
        button->setEnabled(mode == 1 || !RegionalLedgerDocument::PrimeOnly(layout));
    }
}

void TDaityoPrintForm::showEvent(QShowEvent *event)
{
    TPrintForm::showEvent(event);
    if (m_mode == 1) {
        const std::optional<LedgerEntry> prime = LedgerContractors::Prime(transaction(), KojiCode);
        fillUke(prime ? prime->gyoCode : QString());
    } else if (m_mode == 2) {
        m_cmp = LedgerContractors::Subcontractors(transaction(), KojiCode);
        cmbCMP->clear();
        for (const LedgerEntry &entry : m_cmp)
            cmbCMP->addItem(entry.name);
        cmbCMP->setCurrentIndex(-1);
        fillUke({});
    }
}

void TDaityoPrintForm::fillUke(const QString &upper)
{
    m_uke = LedgerContractors::Below(transaction(), KojiCode, upper);
    cmbUke->clear();
    for (const LedgerEntry &entry : m_uke)
        cmbUke->addItem(entry.name);
    cmbUke->setCurrentIndex(-1);
    ButtonRule();
}

void TDaityoPrintForm::cmbCMPChange()
{
    const int entry = cmbCMP->currentIndex();
    fillUke(entry >= 0 ? m_cmp.value(entry).gyoCode : QString());
}

void TDaityoPrintForm::chkListAllClick()
{
    cmbUke->setEnabled(!chkListAll->isChecked());
    ButtonRule();
}

void TDaityoPrintForm::chkPrnLocalClick()
{
    grpLocalLyout->setVisible(chkPrnLocal->isChecked());
    ButtonRule();
}

QRadioButton *TDaityoPrintForm::chosenLayout() const
{
    for (QRadioButton *button : rbLyouts)
        if (button->isChecked() && button->isEnabled())
            return button;
    return nullptr;
}

// The regional forms print nothing without a layout, so the buttons wait for one too.
void TDaityoPrintForm::ButtonRule()
{
    const bool pages = LedgerCanPrint(chkListAll->isChecked(), cmbUke->count(), cmbUke->currentIndex());
    const bool form = !chkPrnLocal->isChecked() || chosenLayout();
    btnPrint->setEnabled(pages && form);
    btnPrevew->setEnabled(pages && form);
}

LedgerChoices TDaityoPrintForm::Choices() const
{
    LedgerChoices choices;
    choices.kojiCode = KojiCode;
    choices.date = PrDT->date();
    if (chkListAll->isChecked()) {
        for (const LedgerEntry &entry : m_uke)
            choices.subcontractors << entry.gyoCode;
    } else if (const int entry = cmbUke->currentIndex(); entry >= 0 && entry < m_uke.size()) {
        choices.subcontractors << m_uke[entry].gyoCode;
    }
    if (m_mode == 2 && cmbCMP->currentIndex() >= 0)
        choices.reportingCode = m_cmp.value(cmbCMP->currentIndex()).gyoCode;
    choices.jointVenture = AppContext::Project().CurIsJV();
    return choices;
}

void TDaityoPrintForm::PrintDocument(int tag)
{
    const PrintSettings settings = PrintSettings::fromProgram();
    TDataModule1 &data = *TDataModule1::instance();
    if (chkPrnLocal->isChecked()) {
        const QRadioButton *layout = chosenLayout();
        if (!layout)
            return;
        RegionalLedgerDocument(data, settings, Choices(),
                               RegionalLedgerDocument::Layout(layout->property("Tag").toInt()))
            .Build(Celvane1);
    } else {
        const auto kind = m_mode == 2 ? LedgerDocument::Kind::Notice : LedgerDocument::Kind::Ledger;
        LedgerDocument(data, settings, Choices(), kind).Build(Celvane1);
    }
    EndDocument(tag);
}
