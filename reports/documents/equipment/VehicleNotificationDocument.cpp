#include "VehicleNotificationDocument.h"

#include "EquipmentCells.h"
#include "data/DataField.h"
#include "data/DataSet.h"
#include "framework/MarkerWriter.h"

namespace sorvik::documents {

using namespace EquipmentCells;

namespace {

QString periodOf(DataSet &record, const char *start, const char *end)
{
    return Period(record.FieldByName(QLatin1String(start)).AsString(),
                  record.FieldByName(QLatin1String(end)).AsString());
}

}  // namespace

VehicleNotificationDocument::VehicleNotificationDocument(TDataModule1 &data, PrintSettings settings,
                                                         EquipmentChoices choices)
    : EquipmentNotification(data, std::move(settings), std::move(choices),
                            {EquipmentKind::Vehicle, TemplateFile, SheetName, -1, false})
{
}

void VehicleNotificationDocument::WriteRecord(MarkerWriter &writer, DataSet &record)
{
    WriteColumns(writer, record,
                 QStringLiteral("USECMPNM DAIRI USRNM AZNM CATTYP CARNO OPNM OPADD OPLIC OPLICNO "
                                "DV1CMP DV2CMP ROOT"));
    writer.Value(QStringLiteral("**USEUNUM"),
                 Around(record, QStringLiteral("USEUNUM"), QStringLiteral("（"), QStringLiteral(" 次）")));
    writer.Value(QStringLiteral("**STDT"), periodOf(record, "STDT", "FNDT"));
    writer.Value(QStringLiteral("**LICST"), periodOf(record, "LICST", "LICFN"));
    WriteDates(writer, record, QStringLiteral("OPBNDT"));
    for (const char *number : {"DV1NO", "DV2NO"})
        writer.Value(QStringLiteral("**") + QLatin1String(number),
                     Around(record, QLatin1String(number), {}, QStringLiteral(" 号")));
    writer.Value(QStringLiteral("**DV1ST"), periodOf(record, "DV1ST", "DV1FN"));
    writer.Value(QStringLiteral("**DV2ST"), periodOf(record, "DV2ST", "DV2FN"));
    for (const char *amount : {"DV2M1", "DV2M2", "DV2M3"})
        writer.Value(QStringLiteral("**") + QLatin1String(amount),
                     Around(record, QLatin1String(amount), {}, QStringLiteral(" 万円")));
}

}  // namespace sorvik::documents
