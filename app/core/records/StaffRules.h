#pragma once

#include "RecordRules.h"

// 職員情報, the staff master: a member is entered once per qualification; the name is
// required; a copy of a member keeps the person and the photo but not the qualification.
class StaffRules : public RecordRules
{
public:
    QString TableName() const override { return QStringLiteral("SHOKU"); }
    QString IndexName() const override { return QStringLiteral("PK_SHOKU"); }
    void NewRecordDefaults(DataSet &record) override;
    QString FocusOnNewRecord() const override { return QStringLiteral("NAME"); }
    QList<PostCheck> PostChecks() const override;
    bool IsUntouchedNewRecord(DataSet &record) override;

    // What 複写 takes from the current member.
    static QStringList CopiedColumns();
};
