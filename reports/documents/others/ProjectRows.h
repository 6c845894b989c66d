#pragma once

#include <QString>

class QueryDataSet;
class TDataModule1;

// The project's newest particulars and its prime contractor's newest version, as the
// safety sheets and the notice of construction work read them.
namespace sorvik::documents::ProjectRows {

// A column of the newest KOJI version; empty when the project has none.
QString NewestProjectItem(TDataModule1 &data, const QString &kojiCode, const QString &column);

// Opens the prime contractor's GYOSYA versions, newest first. `primeCode` as the opener
// gives it; empty: the contractor at the top of the construction system.
void OpenPrimeContractor(QueryDataSet &rows, const QString &kojiCode, const QString &primeCode = {});

}  // namespace sorvik::documents::ProjectRows
