#include "ToolRules.h"

#include "data/DataField.h"
#include "data/DataSet.h"

ToolRules::ToolRules(const RecordContext &context)
    : EquipmentRules(
        context,
        {QStringLiteral("KOUGU"), QStringLiteral("KGCD"), QStringLiteral("HNDOWCMPNM"), QStringLiteral("HNDUNUM")})
{
}

QStringList ToolRules::CheckColumns()
{
    QStringList columns;
    for (int item : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12, 13, 14, 15, 16, 17, 18, 21, 22, 23, 24, 25, 26})
        columns << QStringLiteral("CHK%1").arg(item, 2, 10, QLatin1Char('0'));
    return columns;
}

void ToolRules::EquipmentDefaults(DataSet &record)
{
    TakeRepresentative(record);
    for (const QString &column : CheckColumns())
        record.FieldByName(column).SetAsString(QString(ToolCount, QLatin1Char('0')));
}

QList<PostCheck> ToolRules::PostChecks() const
{
    return {Required(QStringLiteral("KKNM1"), QStringLiteral("機械名称1が有りません")),
            Required(QStringLiteral("HNDOWCMPNM"), QStringLiteral("持込会社名が有りません"))};
}

QString ToolRules::ToolAcceptanceNumber(const QVariant &jyuno, int tool)
{
    if (jyuno.isNull() || jyuno.toString().isEmpty())
        return {};
    return jyuno.toString() + QStringLiteral("%1").arg(tool, 2, 10, QLatin1Char('0'));
}
