#pragma once

#include <QString>

class DataSet;
class TDataModule1;

namespace sorvik::documents {

class MarkerWriter;

// What both qualification lists write of a stored qualification (a row of INSIKAKU).
namespace QualificationCells {

// The holder's name valid on `date`; a worker no longer in the roster keeps the name the
// qualification was stored with.
QString HolderName(TDataModule1 &data, const QString &kojiCode, DataSet &qualification, const QString &date);

// "**SKNO" and "**SKDT" (the era date) on the list row `rowOffset`.
void WriteNumberAndDate(MarkerWriter &writer, DataSet &qualification, int rowOffset);

}  // namespace QualificationCells

}  // namespace sorvik::documents
