#pragma once

#include "EquipmentNotification.h"

namespace sorvik::documents {

// The machine notification (持込機械等使用届, "kikai.xls") with its inspection sheet on the
// second printed page: one copy per chosen machine. Each check item has two flag columns,
// "CHKA_3A" and "CHKA_3B", marked side by side on the item's row; items are two template
// rows apart.
class MachineNotificationDocument : public EquipmentNotification
{
public:
    MachineNotificationDocument(TDataModule1 &data, PrintSettings settings, EquipmentChoices choices);

    static inline const QString TemplateFile = QStringLiteral("kikai.xls");
    static inline const QString SheetName = QStringLiteral("持込機械届");
    static constexpr int PageRows = 110;

protected:
    void WriteRecord(MarkerWriter &writer, DataSet &record) override;
};

}  // namespace sorvik::documents
