#include "NamesRules.h"

#include "data/DataField.h"
#include "data/DataSet.h"

QStringList NamesRules::KindCaptions()
{
    return {QStringLiteral("免許"), QStringLiteral("技能講習"), QStringLiteral("特別教育"),
            QStringLiteral("職種"), QStringLiteral("※"),        QStringLiteral("技術者資格")};
}

void NamesRules::NewRecordDefaults(DataSet &record)
{
    // The database numbers the entry.
    record.FieldByName(QStringLiteral("EDCD")).SetAsInteger(0);
    record.FieldByName(QStringLiteral("KBN")).SetAsInteger(m_kind);
}

QList<PostCheck> NamesRules::PostChecks() const
{
    return {Required(QStringLiteral("PRNM"), QStringLiteral("略称が有りません")),
            Required(QStringLiteral("NM"), QStringLiteral("名称が有りません"))};
}

bool NamesRules::IsUntouchedNewRecord(DataSet &record)
{
    return record.FieldByName(QStringLiteral("PRNM")).AsString().isEmpty()
        && record.FieldByName(QStringLiteral("NM")).AsString().isEmpty();
}
