// sorvik-print vehicles, machines and tools: the notifications of the equipment list
// window, one page per record, made by the documents that window uses.
#include "DocumentCommand.h"
#include "PrintJob.h"
#include "data/DataField.h"
#include "data/QueryDataSet.h"
#include "data/SqlStatement.h"
#include "equipment/MachineNotificationDocument.h"
#include "equipment/ToolNotificationDocument.h"
#include "equipment/VehicleNotificationDocument.h"

using namespace sorvik::documents;

namespace {

const QString kOptions = QStringLiteral("--project N [--records N,N…] [--date YYYY/MM/DD]");

// The records of --records, else every record of the project.
EquipmentChoices equipmentChoices(PrintJob &job, EquipmentKind kind)
{
    EquipmentChoices choices{job.project(), {}, job.date()};
    if (const QString records = job.option("--records"); !records.isEmpty()) {
        for (const QVariant &code : CodeParams(records))
            choices.codes << code.toString();
        if (choices.codes.isEmpty())
            throw PrintUsageError{QStringLiteral("--records takes record codes such as 1,3, not ") + records};
        return choices;
    }
    const EquipmentTable table = EquipmentTableOf(kind);
    QueryDataSet codes(job.data.IBTransaction1);
    codes.SetSQL(QStringLiteral("Select %1 from %2 where KJCD=? order by %1").arg(table.codeColumn, table.table),
                 {CodeParam(choices.kojiCode)});
    codes.Open();
    for (codes.First(); !codes.Eof(); codes.Next())
        choices.codes << codes.Fields(0).AsString();
    if (choices.codes.isEmpty())
        throw PrintFailure(QStringLiteral("project %1 has no %2 records").arg(choices.kojiCode, table.table));
    return choices;
}

template<class Document> DocumentCommand notification(const char *name, const char *summary, EquipmentKind kind)
{
    return {QLatin1String(name), QString::fromUtf8(summary), kOptions, [kind](PrintJob &job, celvane::Celvane &engine) {
                Document(job.data, job.settings, equipmentChoices(job, kind)).Build(engine);
            }};
}

const DocumentRegistration vehicles{notification<VehicleNotificationDocument>(
    "vehicles", "工事車両届 (carry.xls): a page per vehicle", EquipmentKind::Vehicle)};
const DocumentRegistration machines{notification<MachineNotificationDocument>(
    "machines", "持込機械届 (kikai.xls): a notification and inspection sheet per machine", EquipmentKind::Machine)};
const DocumentRegistration tools{notification<ToolNotificationDocument>(
    "tools", "持込工具届 (kougu.xls): a notification per record of up to ten tools", EquipmentKind::Tool)};

}  // namespace
