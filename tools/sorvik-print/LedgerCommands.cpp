// sorvik-print ledger, notice and regional: the construction-system ledger, the
// re-subcontracting notice and the regional layouts, made by the documents the ledger
// print window uses, for the choices the window would offer.
#include "DocumentCommand.h"
#include "PrintJob.h"
#include "ledger/LedgerContractors.h"
#include "ledger/LedgerDocument.h"
#include "ledger/RegionalLedgerDocument.h"
#include "program/AppContext.h"
#include "tree/ConstructionSystem.h"

#include <algorithm>

using namespace sorvik::documents;

namespace {

const QString kUpperOptions = QStringLiteral("[--subcontractor N] [--date YYYY/MM/DD] [--ini sorvik.ini]");

bool contains(const QList<LedgerEntry> &entries, const QString &gyoCode)
{
    return std::any_of(entries.begin(), entries.end(),
                       [&](const LedgerEntry &entry) { return entry.gyoCode == gyoCode; });
}

// The window's choices: the upper side is the prime contractor, or for the notice the
// reporting subcontractor of --contractor; the pages are every contractor directly below
// it, or the one of --subcontractor.
LedgerChoices ledgerChoices(PrintJob &job, bool notice)
{
    db::Transaction &transaction = job.data.IBTransaction1;
    LedgerChoices choices;
    choices.kojiCode = job.project();
    choices.date = job.date();
    ConstructionSystem system(transaction, AppContext::Project());
    if (!system.LoadKoji(choices.kojiCode))
        throw PrintFailure(QStringLiteral("there is no project ") + choices.kojiCode);
    choices.jointVenture = AppContext::Project().CurIsJV();

    QString upper;
    if (notice) {
        upper = job.required("--contractor");
        if (!contains(LedgerContractors::Subcontractors(transaction, choices.kojiCode), upper))
            throw PrintFailure(
                QStringLiteral("contractor %1 is no subcontractor of project %2").arg(upper, choices.kojiCode));
        choices.reportingCode = upper;
    } else {
        const std::optional<LedgerEntry> prime = LedgerContractors::Prime(transaction, choices.kojiCode);
        if (!prime)
            throw PrintFailure(QStringLiteral("project %1 has no prime contractor").arg(choices.kojiCode));
        upper = prime->gyoCode;
    }
    const QList<LedgerEntry> below = LedgerContractors::Below(transaction, choices.kojiCode, upper);
    if (!job.option("--subcontractor").isEmpty()) {
        const QString chosen = job.required("--subcontractor");
        if (!contains(below, chosen))
            throw PrintFailure(
                QStringLiteral("contractor %1 does not work directly under contractor %2").arg(chosen, upper));
        choices.subcontractors = {chosen};
    } else {
        for (const LedgerEntry &entry : below)
            choices.subcontractors << entry.gyoCode;
    }
    if (choices.subcontractors.isEmpty())
        throw PrintFailure(QStringLiteral("no contractor works directly under contractor ") + upper);
    return choices;
}

RegionalLedgerDocument::Layout regionalLayout(PrintJob &job)
{
    const int number = job.required("--layout").toInt();
    if (number < 1 || number > RegionalLedgerDocument::LayoutCount)
        throw PrintUsageError{QStringLiteral("--layout is 1 to 5, not ") + job.option("--layout")};
    const auto layout = RegionalLedgerDocument::Layout(number - 1);
    if (RegionalLedgerDocument::PrimeOnly(layout) && !job.option("--contractor").isEmpty())
        throw PrintUsageError{QStringLiteral("layouts 1 and 2 are the prime contractor's: no --contractor")};
    return layout;
}

void buildStandard(PrintJob &job, celvane::Celvane &engine, LedgerDocument::Kind kind)
{
    const bool notice = kind == LedgerDocument::Kind::Notice;
    LedgerDocument(job.data, job.settings, ledgerChoices(job, notice), kind).Build(engine);
}

const DocumentRegistration ledger{
    {QStringLiteral("ledger"),
     QStringLiteral("施工体制台帳 (sekoudaityo.xls): a page per subcontractor directly under the prime contractor"),
     QStringLiteral("--project N ") + kUpperOptions,
     [](PrintJob &job, celvane::Celvane &engine) { buildStandard(job, engine, LedgerDocument::Kind::Ledger); }}};

const DocumentRegistration notice{
    {QStringLiteral("notice"),
     QStringLiteral("再下請負通知書 (saisita.xls): a page per subcontractor directly under the reporting contractor"),
     QStringLiteral("--project N --contractor N ") + kUpperOptions,
     [](PrintJob &job, celvane::Celvane &engine) { buildStandard(job, engine, LedgerDocument::Kind::Notice); }}};

const DocumentRegistration regional{
    {QStringLiteral("regional"),
     QStringLiteral("地域版指定書式 (dodaityo3.xls): layout 1 別記第１号様式, 2 施工体制台帳１, 3 別記第２号様式, "
                    "4 施工体制台帳２, 5 施工体制台帳３; with --contractor as the notice"),
     QStringLiteral("--project N --layout 1-5 [--contractor N] ") + kUpperOptions,
     [](PrintJob &job, celvane::Celvane &engine) {
         const RegionalLedgerDocument::Layout layout = regionalLayout(job);
         const bool notice = !job.option("--contractor").isEmpty();
         RegionalLedgerDocument(job.data, job.settings, ledgerChoices(job, notice), layout).Build(engine);
     }}};

}  // namespace
