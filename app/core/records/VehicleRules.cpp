#include "VehicleRules.h"

#include "BarcodeNumber.h"
#include "data/DataField.h"
#include "data/DataSet.h"
#include "program/SiteLookups.h"

VehicleRules::VehicleRules(const RecordContext &context)
    : EquipmentRules(
        context,
        {QStringLiteral("CARRY"), QStringLiteral("CRCD"), QStringLiteral("USECMPNM"), QStringLiteral("USEUNUM")})
{
}

void VehicleRules::EquipmentDefaults(DataSet &record)
{
    QString agent;
    if (SiteLookups(Context().Transaction)
            .GetContractorItem(KojiCode(), GyoCode(), QStringLiteral("GBNM"), WorkDateText(), agent))
        record.FieldByName(QStringLiteral("DAIRI")).SetAsString(agent);
}

QList<PostCheck> VehicleRules::PostChecks() const
{
    QList<PostCheck> checks{Required(QStringLiteral("CARNO"), QStringLiteral("車両番号が有りません")),
                            Required(QStringLiteral("USECMPNM"), QStringLiteral("持込会社名が有りません"))};
    if (UseBarcode())
        checks << Required(QStringLiteral("BARCDNO"),
                           QStringLiteral("BARCDが有りません。各種設定の統一バーコード採用時は必須です。"));
    checks << BarcodeNumber::Check(QStringLiteral("BARCDNO"));
    return checks;
}

void VehicleRules::TakeDriver(DataSet &record, const QString &name, const QString &address, const QString &birthDate,
                              const QString &licence, const QString &licenceNumber)
{
    record.FieldByName(QStringLiteral("OPNM")).SetAsString(name);
    record.FieldByName(QStringLiteral("OPADD")).SetAsString(address);
    record.FieldByName(QStringLiteral("OPBNDT")).SetAsString(birthDate);
    record.FieldByName(QStringLiteral("OPLIC")).SetAsString(licence);
    record.FieldByName(QStringLiteral("OPLICNO")).SetAsString(licenceNumber);
}

QString VehicleRules::LicenceNotice(const QString &periodEnd, const QString &licenceExpiry)
{
    return EndsAfterExpiry(periodEnd, licenceExpiry)
        ? QStringLiteral("ご注意：この運転者の免許有効期限が使用期間終了日前になっています。")
        : QString();
}
