#include "StaffRules.h"

#include "data/DataField.h"
#include "data/DataSet.h"

void StaffRules::NewRecordDefaults(DataSet &record)
{
    // The database numbers the member.
    record.FieldByName(QStringLiteral("SHCD")).SetAsInteger(0);
}

QList<PostCheck> StaffRules::PostChecks() const
{
    return {Required(QStringLiteral("NAME"), QStringLiteral("氏名が有りません"))};
}

bool StaffRules::IsUntouchedNewRecord(DataSet &record)
{
    return record.FieldByName(QStringLiteral("NAME")).AsString().isEmpty();
}

QStringList StaffRules::CopiedColumns()
{
    return {QStringLiteral("NAME"), QStringLiteral("FURI"), QStringLiteral("BNDT"), QStringLiteral("POST"),
            QStringLiteral("SDFL")};
}
