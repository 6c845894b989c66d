#include "QualificationCells.h"

#include "data/DataField.h"
#include "data/DataSet.h"
#include "framework/DocumentValues.h"
#include "framework/MarkerWriter.h"
#include "program/DataModule1.h"

namespace sorvik::documents::QualificationCells {

QString HolderName(TDataModule1 &data, const QString &kojiCode, DataSet &qualification, const QString &date)
{
    QString name = qualification.FieldByName(QStringLiteral("NAME")).AsString();
    data.GetWorkerItem(kojiCode, qualification.FieldByName(QStringLiteral("GYOCD")).AsString(),
                       qualification.FieldByName(QStringLiteral("INCD")).AsString(), QStringLiteral("NAME"), date,
                       name);
    return name;
}

void WriteNumberAndDate(MarkerWriter &writer, DataSet &qualification, int rowOffset)
{
    writer.Value(QStringLiteral("**SKNO"), qualification.FieldByName(QStringLiteral("SKNO")).AsString(), 0, rowOffset);
    writer.Value(QStringLiteral("**SKDT"),
                 DocumentValues::EraLong(qualification.FieldByName(QStringLiteral("SKDT")).AsString()), 0, rowOffset);
}

}  // namespace sorvik::documents::QualificationCells
