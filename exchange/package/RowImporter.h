#pragma once

#include "ImportColumns.h"
#include "ImportTarget.h"
#include "PackageKind.h"
#include "RowImages.h"

#include <QString>
#include <QStringList>

#include <vector>

class DataSet;
class TDataModule1;

namespace sorvik::package {

// Merges the rows of a package into the database by its kind's rule:
//   workers         matched by NAME within the target contractor: inserted with the next
//                   free worker code, or updated when overwriting (else left alone);
//   staff           matched by NAME and SNSK; names master by PRNM: inserted, or updated
//                   when overwriting;
//   qualifications  attached to the target contractor's worker with the row's NAME and
//                   BNDT, replacing that worker's former qualifications; rows of unknown
//                   workers are skipped;
//   records         (projects, contractors, vehicles, machines, tools) written into the
//                   record open in the importing editor, key columns left alone; the
//                   editor posts or cancels.
// Forced values (target project, contractor and its name, new codes) are applied only to
// columns the package has. Site-entry and training dates and the selection mark are the
// receiver's own: a new worker starts without them, an updated worker keeps them.
// Images are stored only for rows that are written.
//
// Rows are committed one by one. On a database error the message is shown, the row is
// rolled back, the remaining rows are not read and the result is false.
class RowImporter
{
public:
    RowImporter(TDataModule1 &data, const PackageKind &kind, const ImportTarget &target, bool overwrite,
                RowImages &images);

    bool storeRows(const ImportColumns &columns, const std::vector<QStringList> &rows);
    bool overwriteRecord(DataSet &editor, const ImportColumns &columns, const std::vector<QStringList> &rows);

private:
    // The statements that store `row`; empty when the row is skipped.
    QStringList statementsFor(const ImportColumns &columns, QStringList &row, int rowNumber, bool newSourceWorker);
    QStringList workerStatements(const ImportColumns &columns, QStringList &row, int rowNumber);
    QStringList staffOrNamesStatements(const ImportColumns &columns, QStringList &row, int rowNumber);
    QStringList qualificationStatements(const ImportColumns &columns, QStringList &row, int rowNumber,
                                        bool newSourceWorker);
    // The first column of the first row of `sql`; empty when there is no row.
    QString lookUp(const QString &sql, const QString &column);

    TDataModule1 &m_data;
    const PackageKind &m_kind;
    ImportTarget m_target;
    bool m_overwrite;
    RowImages &m_images;
};

}  // namespace sorvik::package
