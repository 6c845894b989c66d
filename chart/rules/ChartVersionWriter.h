#pragma once

#include "ChartBox.h"
#include "ChartGrid.h"

#include <QList>
#include <QPoint>
#include <QString>
#include <QVariantList>

namespace db {
class Transaction;
}

// A box with the cell it stands in on the editor's grid.
struct PlacedBox
{
    ChartBox Box;
    QPoint Cell;  // column, row over all pages
};

// Writes and deletes chart versions on the program's transaction. Every write is committed
// at once (commit-retaining); a failure rolls the transaction back (rollback-retaining) and
// rises with the database's message, leaving the stored versions as they were.
class ChartVersionWriter
{
public:
    ChartVersionWriter(db::Transaction &transaction, QString project, ChartGrid grid);

    // The 18 values of a box's TAIKEI row, in the table's column order: project, date,
    // contractor, name, parent, tier, page, row, column, created, saved on, frame style, 0,
    // colour identifier (none and black as button face), and four nulls.
    QVariantList RowValues(const QString &date, const PlacedBox &placed, const QString &createdOn,
                           const QString &today) const;

    // Saves the boxes as the version of `date`, replacing the version of `replaced` (empty
    // for a new chart), which may be another date: the version then moves.
    void Save(const QString &date, const QString &replaced, const QList<PlacedBox> &boxes, const QString &createdOn,
              const QString &today);
    void Delete(const QString &date);

private:
    template<typename Work> void Committed(Work &&work);
    void DeleteRows(const QString &date);

    db::Transaction &m_transaction;
    QString m_project;
    ChartGrid m_grid;
};
