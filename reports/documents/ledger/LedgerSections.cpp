#include "LedgerSections.h"

#include "LedgerCells.h"
#include "LedgerChoices.h"
#include "LedgerContractors.h"
#include "dates/DateText.h"
#include "framework/DocumentValues.h"
#include "framework/MarkerWriter.h"

namespace sorvik::documents {

using namespace LedgerCells;

LedgerRows LedgerRows::Read(db::Transaction &transaction, const LedgerChoices &choices)
{
    const QString date = DateToDateText(choices.date);
    LedgerRows rows;
    rows.project = DatedRow::Project(transaction, choices.kojiCode, date);
    rows.prime = DatedRow::PrimeContractor(transaction, choices.kojiCode, date);
    if (!choices.reportingCode.isEmpty()) {
        rows.reporting = DatedRow::Contractor(transaction, choices.kojiCode, choices.reportingCode, date);
        const QString upper = LedgerContractors::UpperCode(transaction, choices.kojiCode, choices.reportingCode);
        if (!upper.isEmpty())
            rows.reportingUpper = DatedRow::Contractor(transaction, choices.kojiCode, upper, date);
    }
    return rows;
}

namespace LedgerSections {

void CreationDate(MarkerWriter &writer, const QDate &date)
{
    writer.Value(QStringLiteral("**PRDT"),
                 DocumentValues::CreationDate(date, QStringLiteral("gg e年m月d日")) + QStringLiteral(" 作成"));
}

void ProjectParticulars(MarkerWriter &writer, const DatedRow &project)
{
    Texts(writer, project, "KJNY ODNM ODPOST ODADD");
    Dates(writer, project, "STDT FNDT SGDT");
    Texts(writer, project, "MTNM MTAD STNM STAD SKNM SNNM KTNM KG IK");
}

void LedgerUpper(MarkerWriter &writer, const LedgerRows &rows, const LedgerChoices &choices)
{
    CreationDate(writer, choices.date);
    if (rows.project) {
        Texts(writer, *rows.project, "KJNM");
        ProjectParticulars(writer, *rows.project);
    }
    if (rows.prime) {
        Texts(writer, *rows.prime, "CPNM JGNM", QStringLiteral("0"));
        PrimePermits(writer, *rows.prime, choices.jointVenture);
        Texts(writer, *rows.prime, "KSNM1 GJNM2 GJSI2 GJKJ2", QStringLiteral("0"));
    }
}

void Subcontractor(MarkerWriter &writer, const DatedRow &subcontractor)
{
    SubcontractorHead(writer, subcontractor);
    SubcontractorStaff(writer, subcontractor);
}

void LedgerSubcontractor(MarkerWriter &writer, const DatedRow &subcontractor)
{
    for (const auto &[marker, column] : {std::pair{"**STNM", "KYCOM"}, std::pair{"**STAD", "KYADD"}})
        if (!subcontractor.isNull(QLatin1String(column)))
            writer.Value(QLatin1String(marker), subcontractor.text(QLatin1String(column)));
    Subcontractor(writer, subcontractor);
}

void NoticeUpper(MarkerWriter &writer, const LedgerRows &rows, const LedgerChoices &choices)
{
    CreationDate(writer, choices.date);
    if (rows.project)
        Texts(writer, *rows.project, "KJNM");
    if (rows.prime)
        writer.Value(QStringLiteral("**CPNM_M"), rows.prime->text(QStringLiteral("CPNM")));
    if (rows.reportingUpper)
        Texts(writer, *rows.reportingUpper, "CPNM GBNM", QStringLiteral("_U"));
    if (!rows.reporting)
        return;
    const DatedRow &reporting = *rows.reporting;
    Texts(writer, reporting, "CPNM", QStringLiteral("0"));
    writer.Value(QStringLiteral("**PSNM0"), Representative(reporting));
    Texts(writer, reporting, "POST", QStringLiteral("0"));
    writer.Value(QStringLiteral("**ADD0"), reporting.text(QStringLiteral("ADRS")));
    Texts(writer, reporting, "TEL FAX", QStringLiteral("0"));
    writer.Value(QStringLiteral("**KJNY"), reporting.text(QStringLiteral("KJNM")));
    Dates(writer, reporting, "STDT FNDT SGDT", QStringLiteral("0"));
    FirstPermits(writer, reporting, QStringLiteral("0"));
    Texts(writer, reporting, "ANNM ASNM KKNM KTNM KTKG KTIK GBNM GBKG GBIK SNSE1 SNNM1 SNSK1 GJNM1 GJSI1 GJKJ1",
          QStringLiteral("0"));
}

void EachPage(MarkerWriter &writer, const QStringList &codes, int lastRow,
              const std::function<bool(const QString &code)> &page)
{
    for (qsizetype i = 0; i < codes.size(); ++i) {
        if (i > 0)
            writer.NewPage();
        writer.SetRows(1, lastRow);
        if (!page(codes[i]))
            return;
    }
}

}  // namespace LedgerSections

}  // namespace sorvik::documents
