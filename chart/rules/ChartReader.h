#pragma once

#include "ChartBox.h"
#include "ChartGrid.h"

#include <QList>
#include <QString>
#include <optional>

namespace db {
class Transaction;
}

// Where a chart is built from.
enum class ChartSource {
    ConstructionSystem,  // the contractors in effect in TAISEI
    SavedVersion,        // the boxes of one TAIKEI version, each with its saved cell
    Attendance,          // TAISEI, restricted to the contractors with DEZURA rows on the date
};

// One box of a chart as read, in the order boxes are added: depth-first from the prime
// contractor, each box followed by its own subtree, children in contractor-code order.
struct ChartEntry
{
    ChartBox Box;
    int ParentIndex = -1;             // the entry the box hangs under; -1 for the prime contractor
    std::optional<StoredCell> Saved;  // a saved version's cell for the box
};

struct ChartRead
{
    QList<ChartEntry> Entries;
    QString CreatedOn;  // the saved version's CRDT, or `today` for a new chart
};

// Reads a project's chart as of `date` ("yyyy/mm/dd"; empty takes every contractor's newest
// particulars). Nothing when there is no prime contractor to start from.
//
// A chart holds exactly the tree below the prime contractor: rows whose parent is not in
// it are never reached, so from attendance a contractor is charted only when every
// contractor above it attended as well. Each contractor is charted once, even when damaged
// rows would lead to it again. A box's code and name come from its row, then its
// particulars valid at the date overwrite the name and fill the rest.
std::optional<ChartRead> ReadChart(db::Transaction &transaction, const QString &project, ChartSource source,
                                   const QString &date, const QString &today);

// Fills `box` with the particulars of its contractor (box.ContractorCode) valid at `date`:
// the GYOSYA version with the greatest APDT not later than the date, else the newest. A
// contractor without particulars keeps what the box had.
void ReadParticulars(db::Transaction &transaction, const QString &project, const QString &date, ChartBox &box);
