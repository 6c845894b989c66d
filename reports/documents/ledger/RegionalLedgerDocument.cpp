#include "RegionalLedgerDocument.h"

#include "CelvaneDrawing.h"
#include "DatedRow.h"
#include "LedgerCells.h"
#include "LedgerContractors.h"
#include "LedgerSections.h"
#include "dates/DateText.h"
#include "framework/MarkerWriter.h"
#include "program/DataModule1.h"

#include <algorithm>

namespace sorvik::documents {

using namespace LedgerCells;
using Layout = RegionalLedgerDocument::Layout;

namespace {

struct LayoutSheet
{
    const char16_t *sheet;
    int rows;
};

constexpr LayoutSheet kLayouts[RegionalLedgerDocument::LayoutCount] = {
    {u"別記第１号様式", 24}, {u"施工体制台帳１", 73}, {u"別記第２号様式", 25},
    {u"施工体制台帳２", 62}, {u"施工体制台帳３", 58},
};

const LayoutSheet &layoutSheet(Layout layout)
{
    return kLayouts[std::clamp(int(layout), 0, RegionalLedgerDocument::LayoutCount - 1)];
}

// 施工体制台帳１: the project and everything the prime contractor answers for on the site.
void primeParticulars(MarkerWriter &writer, const DatedRow &prime, bool jointVenture)
{
    Texts(writer, prime, "CPNM JGNM", QStringLiteral("0"));
    PrimePermits(writer, prime, jointVenture);
    Texts(writer, prime, "KTNM KTKG KTIK GBNM GBKG GBIK", QStringLiteral("0"));
    // The engineers' employment dates are printed as stored, as the form's own date cells.
    Texts(writer, prime,
          "KSNM1 SNSE1 SNNM1 SNSK1 SNKYDT1 KSNM2 SNSE2 SNNM2 SNSK2 SNKYDT2 "
          "KSNM3 SNSE3 SNNM3 SNSK3 SNKYDT3 KSNM4 SNSE4 SNNM4 SNSK4 SNKYDT4",
          QStringLiteral("0"));
    Texts(writer, prime, "GJNM1 GJSI1 GJKJ1 GJNM2 GJSI2 GJKJ2", QStringLiteral("0"));
}

// The ring around 一次 or 二次以下 of "一次・二次以下": an ellipse (kind 50) with line style
// 2, over the first two characters in the marker's cell or over the last four, which run
// on into the next cell.
void tierMark(MarkerWriter &writer, int tier)
{
    const QString marker = QStringLiteral("**UNUM");
    writer.Value(marker, RegionalLedgerDocument::TierWords);
    const QVariantList values{
        celvane::CelvaneDrawing::kEllipse, QVariant(), QVariant(), QVariant(), QVariant(), QVariant(), 2};
    if (tier == 1)
        writer.AddShape(marker, 0, -2, 8, 8, values, 0, 0);
    else if (tier >= 2 && tier <= 6)
        writer.AddShape(marker, 2, -2, 18, 8, values, 1, 0);
}

// 施工体制台帳３: the subcontract itself, its insurances and how it is paid.
void subcontractTerms(MarkerWriter &writer, const DatedRow &subcontractor)
{
    Texts(writer, subcontractor, "LANK2");
    Dates(writer, subcontractor, "KTKDT");
    Texts(writer, subcontractor, "KTKNO KENPONO NENKINNO KOYONO");
    writer.Value(QStringLiteral("**SALSUM"), subcontractor.text(QStringLiteral("UKSAL")));
    writer.Value(QStringLiteral("**KJNY"), subcontractor.text(QStringLiteral("UKKJNY")));
    Texts(writer, subcontractor, "MAEPER MAEMNYPER MAEPN HARFMNYPER HARFPN CMPLMNYPER CMPLPN");
}

}  // namespace

RegionalLedgerDocument::RegionalLedgerDocument(TDataModule1 &data, PrintSettings settings, LedgerChoices choices,
                                               Layout layout)
    : m_data(data)
    , m_settings(std::move(settings))
    , m_choices(std::move(choices))
    , m_layout(layout)
{
}

QString RegionalLedgerDocument::SheetName(Layout layout)
{
    return QString::fromUtf16(layoutSheet(layout).sheet);
}

int RegionalLedgerDocument::RowsPerPage(Layout layout)
{
    return layoutSheet(layout).rows;
}

void RegionalLedgerDocument::Build(celvane::Celvane &engine)
{
    MarkerWriter writer(engine, m_settings.templateFolder, TemplateFile);
    writer.Begin();
    writer.Open(SheetName(m_layout));
    db::Transaction &transaction = m_data.IBTransaction1;
    const LedgerRows rows = LedgerRows::Read(transaction, m_choices);
    const QString date = DateToDateText(m_choices.date);
    const QString &koji = m_choices.kojiCode;

    LedgerSections::EachPage(writer, m_choices.subcontractors, RowsPerPage(m_layout), [&](const QString &code) {
        if (m_layout == Layout::Form1 || m_layout == Layout::Ledger1 || m_layout == Layout::Form2)
            LedgerSections::CreationDate(writer, m_choices.date);
        if (rows.project)
            Texts(writer, *rows.project, "KJNM");
        if (m_layout == Layout::Form1) {
            if (rows.project)
                Texts(writer, *rows.project, "MTAD MTNM");
            if (rows.prime)
                Texts(writer, *rows.prime, "GBNM", QStringLiteral("0"));
        } else if (m_layout == Layout::Ledger1) {
            if (rows.project)
                LedgerSections::ProjectParticulars(writer, *rows.project);
            if (rows.prime)
                primeParticulars(writer, *rows.prime, m_choices.jointVenture);
        }
        if (PrimeOnly(m_layout))
            return false;

        if (m_layout == Layout::Ledger3) {
            const QString upper = LedgerContractors::UpperCode(transaction, koji, code);
            if (const auto above = DatedRow::Contractor(transaction, koji, upper, date))
                writer.Value(QStringLiteral("**ODCMPNM"), above->text(QStringLiteral("CPNM")));
        }
        if (const auto subcontractor = DatedRow::Contractor(transaction, koji, code, date)) {
            if (m_layout == Layout::Form2) {
                Texts(writer, *subcontractor, "CPNM", QStringLiteral("1"));
                writer.Value(QStringLiteral("**ADD1"), subcontractor->text(QStringLiteral("ADRS")));
                writer.Value(QStringLiteral("**PSNM1"), Representative(*subcontractor));
            } else if (m_layout == Layout::Ledger2) {
                LedgerSections::Subcontractor(writer, *subcontractor);
            } else {
                SubcontractorHead(writer, *subcontractor);
                subcontractTerms(writer, *subcontractor);
            }
        }
        if (m_layout == Layout::Ledger3)
            tierMark(writer, LedgerContractors::Tier(transaction, koji, code));
        return true;
    });
    writer.Close();
    m_written = writer.written();
}

}  // namespace sorvik::documents
