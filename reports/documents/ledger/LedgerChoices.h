#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

namespace sorvik::documents {

// What the construction-system ledger, the re-subcontracting notice and their regional
// layouts are printed for. Each subcontractor gets a page of its own, under the same upper
// section.
struct LedgerChoices
{
    QString kojiCode;
    QDate date;                  // 作成日付: every project and contractor row is read as of it
    QStringList subcontractors;  // the codes of the pages, in page order
    QString reportingCode;       // the notice: the subcontractor that reports (報告協力会社)
    bool jointVenture = false;   // the project is a joint venture: the prime's permits spread
};

// Print and preview are offered when all direct subcontractors are to be printed and there
// is one, or when one of them is chosen: never for a bare template.
inline bool LedgerCanPrint(bool listAll, int entries, int selected)
{
    return listAll ? entries > 0 : selected >= 0 && selected < entries;
}

}  // namespace sorvik::documents
