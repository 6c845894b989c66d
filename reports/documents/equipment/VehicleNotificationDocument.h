#pragma once

#include "EquipmentNotification.h"

namespace sorvik::documents {

// The construction-vehicle notification (工事・通勤用車両届, "carry.xls"): one page per
// chosen vehicle with its user, its driver, its two insurances and its route.
class VehicleNotificationDocument : public EquipmentNotification
{
public:
    VehicleNotificationDocument(TDataModule1 &data, PrintSettings settings, EquipmentChoices choices);

    static inline const QString TemplateFile = QStringLiteral("carry.xls");
    static inline const QString SheetName = QStringLiteral("工事車両届");

protected:
    void WriteRecord(MarkerWriter &writer, DataSet &record) override;
};

}  // namespace sorvik::documents
