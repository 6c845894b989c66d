#pragma once

#include "EquipmentRules.h"

// 持込機械使用届, a machine brought onto the site with its inspection checklist (KIKAI).
// A new machine is the contractor's own (not leased), names the contractor's
// representative and telephone, and has every check of sections A to H unticked, the
// ones the form does not show included. The machine's name and the company bringing it
// in are required. When the machine is to be taken out after its performance
// inspection, its vehicle inspection or its insurance has expired, the first of these
// is pointed out; the post goes on.
class MachineRules : public EquipmentRules
{
public:
    explicit MachineRules(const RecordContext &context);

    QString FocusOnNewRecord() const override { return QStringLiteral("KKNM"); }
    QList<PostCheck> PostChecks() const override;
    void BeforeWrite(DataSet &record) override;

    // The notice for a machine whose removal date FNDT lies after one of its expiry
    // dates, the first that applies; empty when none does.
    static QString RemovalNotice(DataSet &record);
    // Puts the chosen operator (tag 0) or deputy (tag 1) into `record`, which is being
    // edited: the name and the names of the chosen qualifications.
    static void TakeOperator(DataSet &record, int tag, const QString &name, const QString &qualifications);
    // The notice for an operator whose licence expires before the removal date.
    static QString LicenceNotice(const QString &removalDate, const QString &licenceExpiry);

protected:
    void EquipmentDefaults(DataSet &record) override;
};
