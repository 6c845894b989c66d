#pragma once

#include "ConstructionTreeModel.h"

#include <QList>
#include <QString>

namespace db {
class Transaction;
}

// Reads a project's construction system as the main window draws it, with two queries
// whatever its size: the project's TAISEI rows and the versions of its contractors.
//
// The prime contractor is the row whose parent is 0 (the lowest code when there are
// several); below it, depth first, each contractor's children in ascending GYOCD. The
// prime's caption is its name stored in TAISEI, every other caption the company name of
// the contractor's version valid at `workDate` (the greatest APDT not later than it,
// else the newest; empty without any version). Levels follow the parent links, not the
// stored tier. Rows that cannot be reached from the prime are left out.
namespace SystemTreeReader {

QList<ConstructionTreeModel::NodeData> Read(db::Transaction &transaction, const QString &kojiCode,
                                            const QString &workDate);

}  // namespace SystemTreeReader
