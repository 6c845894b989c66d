#pragma once

#include "DatedRow.h"

#include <QDate>
#include <QStringList>
#include <functional>
#include <optional>

namespace db {
class Transaction;
}

namespace sorvik::documents {

class MarkerWriter;
struct LedgerChoices;

// The rows the upper sections print, read once as of the creation date. A row that is
// not found leaves its cells unwritten; the document is still made.
struct LedgerRows
{
    std::optional<DatedRow> project;
    std::optional<DatedRow> prime;
    std::optional<DatedRow> reporting;       // the notice's reporting subcontractor
    std::optional<DatedRow> reportingUpper;  // the contractor it works under

    static LedgerRows Read(db::Transaction &transaction, const LedgerChoices &choices);
};

// The sections of the ledger's pages.
namespace LedgerSections {

// "**PRDT": "令和 8年6月1日 作成".
void CreationDate(MarkerWriter &writer, const QDate &date);
// The project's particulars of the ledger's upper table, all but its name.
void ProjectParticulars(MarkerWriter &writer, const DatedRow &project);

// The ledger's upper section: the project and the prime contractor. The prime's engineers
// other than the first one's kind are not on the form's upper part.
void LedgerUpper(MarkerWriter &writer, const LedgerRows &rows, const LedgerChoices &choices);
// The subcontractor's section of the notice and of the regional 施工体制台帳２.
void Subcontractor(MarkerWriter &writer, const DatedRow &subcontractor);
// The ledger's subcontractor: its contract party replaces the project's subcontracting
// office on its page, when it has one.
void LedgerSubcontractor(MarkerWriter &writer, const DatedRow &subcontractor);
// The notice's upper section: the reporting subcontractor, the contractor it works under
// and the prime contractor.
void NoticeUpper(MarkerWriter &writer, const LedgerRows &rows, const LedgerChoices &choices);

// One page per subcontractor code: from the second on a new page, then the page's rows
// and `page`, which returns false when the document has no further page.
void EachPage(MarkerWriter &writer, const QStringList &codes, int lastRow,
              const std::function<bool(const QString &code)> &page);

}  // namespace LedgerSections

}  // namespace sorvik::documents
