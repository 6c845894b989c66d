#include "MachineRules.h"

#include "BarcodeNumber.h"
#include "data/DataField.h"
#include "data/DataSet.h"
#include "messages/MessageService.h"
#include "schema/SchemaDefinition.h"

MachineRules::MachineRules(const RecordContext &context)
    : EquipmentRules(
        context,
        {QStringLiteral("KIKAI"), QStringLiteral("MCCD"), QStringLiteral("HNDOWCMPNM"), QStringLiteral("HNDUNUM")})
{
}

void MachineRules::EquipmentDefaults(DataSet &record)
{
    TakeRepresentative(record);
    record.FieldByName(QStringLiteral("ISRS")).SetAsInteger(0);
    for (const QString &column : KikaiCheckColumns())
        record.FieldByName(column).SetAsInteger(0);
}

QList<PostCheck> MachineRules::PostChecks() const
{
    return {Required(QStringLiteral("KKNM"), QStringLiteral("機械名称が有りません")),
            Required(QStringLiteral("HNDOWCMPNM"), QStringLiteral("持込会社名が有りません")),
            BarcodeNumber::Check(QStringLiteral("BARCDNO"))};
}

void MachineRules::BeforeWrite(DataSet &record)
{
    EquipmentRules::BeforeWrite(record);
    const QString notice = RemovalNotice(record);
    if (!notice.isEmpty())
        MessageService::current().information(notice);
}

QString MachineRules::RemovalNotice(DataSet &record)
{
    struct Expiry
    {
        const char *column;
        const char *notice;
    };
    static const Expiry expiries[] = {
        {"TES4YMD", "ご注意：この機械の性能検査有効期限が搬出予定日前になっています。"},
        {"TES5YMD", "ご注意：この機械の車検有効期限が搬出予定日前になっています。"},
        {"DVYMD", "ご注意：この機械の任意保険有効期限が搬出予定日前になっています。"},
    };
    const QString removal = record.FieldByName(QStringLiteral("FNDT")).AsString();
    for (const Expiry &expiry : expiries) {
        if (EndsAfterExpiry(removal, record.FieldByName(QLatin1String(expiry.column)).AsString()))
            return QString::fromUtf8(expiry.notice);
    }
    return {};
}

void MachineRules::TakeOperator(DataSet &record, int tag, const QString &name, const QString &qualifications)
{
    const QString column = tag == 1 ? QStringLiteral("DRV2") : QStringLiteral("DRV1");
    record.FieldByName(column).SetAsString(name);
    record.FieldByName(column + QStringLiteral("LS")).SetAsString(qualifications);
}

QString MachineRules::LicenceNotice(const QString &removalDate, const QString &licenceExpiry)
{
    return EndsAfterExpiry(removalDate, licenceExpiry)
        ? QStringLiteral("ご注意：この運転者の免許有効期限が搬出予定日以前となっています。")
        : QString();
}
