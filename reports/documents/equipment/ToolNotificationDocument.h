#pragma once

#include "EquipmentNotification.h"

namespace sorvik::documents {

// The power-tool notification (持込機械等（電動工具・電気溶接機等）使用届, "kougu.xls"): one
// copy per chosen record, which lists up to ten tools, four template rows each, and the
// check grid below with a column per tool. A check row's text holds a character per tool
// slot, "1" for checked ("1001": slots 1 and 4).
class ToolNotificationDocument : public EquipmentNotification
{
public:
    ToolNotificationDocument(TDataModule1 &data, PrintSettings settings, EquipmentChoices choices);

    static inline const QString TemplateFile = QStringLiteral("kougu.xls");
    static inline const QString SheetName = QStringLiteral("持込工具届");
    static constexpr int PageRows = 91;
    static constexpr int ToolSlots = 10;

protected:
    void WriteRecord(MarkerWriter &writer, DataSet &record) override;
};

}  // namespace sorvik::documents
