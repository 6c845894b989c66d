#pragma once

#include <QString>
#include <QStringList>

namespace sorvik::documents {

class DatedRow;
class MarkerWriter;

// The cells the ledger, the notice and their regional layouts write alike from a project
// or contractor row. Most markers are the column's name and a section suffix: "**CPNM1"
// holds CPNM of the subcontractor, "**SNNM11" its SNNM1.
namespace LedgerCells {

// "**" + column + suffix := the column's text, for each column of the space-separated list.
void Texts(MarkerWriter &writer, const DatedRow &row, const char *columns, const QString &suffix = {});
// The same for stored dates, in the long era form "gg ee年mm月dd日".
void Dates(MarkerWriter &writer, const DatedRow &row, const char *columns, const QString &suffix = {});

// The representative: position and name.
QString Representative(const DatedRow &row);

// Permit row n (1–6) as "authority・kind  sign 第       number 号"; empty without a number.
QString PermitNumber(const DatedRow &row, int n);
// Permit row n into one slot: the trade, the number only when there is one, the date.
void Permit(MarkerWriter &writer, const DatedRow &row, int n, const QString &slot);
// Permit rows 1 and 2 into "1" + suffix and "2" + suffix ("10", "20"; "11", "21").
void FirstPermits(MarkerWriter &writer, const DatedRow &row, const QString &suffix);
// A joint venture's prime contractor lists all its partners' permits: the rows with a
// trade, in row order, spread over the slots of their count.
QStringList JointVentureSlots(int count);
void PrimePermits(MarkerWriter &writer, const DatedRow &prime, bool jointVenture);

// The subcontractor's company, representative, address, work and permits ("**CPNM1" to
// "**SGDT1", slots "11" and "21").
void SubcontractorHead(MarkerWriter &writer, const DatedRow &row);
// The subcontractor's site agent, chief and specialist engineers and officers.
void SubcontractorStaff(MarkerWriter &writer, const DatedRow &row);

}  // namespace LedgerCells

}  // namespace sorvik::documents
