#pragma once

#include "EquipmentRules.h"

// 工事用車両届, a vehicle used for the works (CARRY). A new vehicle names the site agent
// of the contractor's version valid at the work date. The vehicle number and the company
// bringing it in are required, and with the unified barcode on, its barcode number too.
// The driver comes from the contractor's roster with one of his licences; a licence that
// expires before the period of use ends is pointed out but taken.
class VehicleRules : public EquipmentRules
{
public:
    explicit VehicleRules(const RecordContext &context);

    QString FocusOnNewRecord() const override { return QStringLiteral("CATTYP"); }
    QList<PostCheck> PostChecks() const override;

    // Puts the chosen driver into `record`, which is being edited.
    static void TakeDriver(DataSet &record, const QString &name, const QString &address, const QString &birthDate,
                           const QString &licence, const QString &licenceNumber);
    // The notice for a driver whose licence expires before the period of use ends on
    // `periodEnd`; empty when there is none.
    static QString LicenceNotice(const QString &periodEnd, const QString &licenceExpiry);

protected:
    void EquipmentDefaults(DataSet &record) override;
};
