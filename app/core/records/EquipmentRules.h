#pragma once

#include "RecordContext.h"
#include "RecordRules.h"

#include <QString>
#include <QVariantList>

class TableDataSet;

// What tells the three kinds of equipment notification apart: the table, its code
// column, and the columns of the company that brings the equipment in and of its tier.
struct EquipmentTable
{
    QString name;           // CARRY, KIKAI, KOUGU
    QString codeColumn;     // CRCD, MCCD, KGCD
    QString companyColumn;  // USECMPNM for vehicles, HNDOWCMPNM for machines and tools
    QString tierColumn;     // USEUNUM, HNDUNUM
};

// A notification of equipment that a contractor brings onto the site: a vehicle, a
// machine or a set of tools, one record per editor. Its code and its acceptance number
// JYUNO are each the largest of the project plus one, whichever contractor holds them,
// and each table counts on its own. A new record names the contractor's first-tier
// company and the contractor itself with its tier as the construction system has them,
// and is dated today; every post dates EDDT. A new record still holding only its
// defaults is dropped on closing without a question.
class EquipmentRules : public RecordRules
{
public:
    EquipmentRules(const RecordContext &context, EquipmentTable table);

    // The record to show; an empty `recordCode` asks for a new one, whose code is drawn
    // now, as is the acceptance number it will get.
    void SetRecord(const QString &kojiCode, const QString &gyoCode, const QString &recordCode);
    const QString &RecordCode() const { return m_recordCode; }
    // A new record is being made; false once it has been posted.
    bool NewRecord() const { return m_newRecord; }
    int NextAcceptanceNumber() const { return m_nextAcceptanceNumber; }
    // Limits `table` to the record.
    void FilterToRecord(TableDataSet &table) const;

    // Whether a period ending on `endDate` runs past `expiry` (a licence, an inspection,
    // an insurance). Only two real dates are compared: a missing or unreadable date
    // never warns.
    static bool EndsAfterExpiry(const QString &endDate, const QString &expiry);

    QString TableName() const override { return m_table.name; }
    QString IndexName() const override { return QStringLiteral("PK_") + m_table.name; }
    void NewRecordDefaults(DataSet &record) final;
    void BeforeWrite(DataSet &record) override;
    void AfterPost(DataSet &record) override;
    bool IsUntouchedNewRecord(DataSet &record) override;

protected:
    // The defaults of one kind of equipment, after those every notification has.
    virtual void EquipmentDefaults(DataSet &record) { }
    // HNDPRE and HNDTEL: the representative and telephone of the contractor's newest
    // version, who signs what is handed in now.
    void TakeRepresentative(DataSet &record);
    // Whether the configuration has the unified barcode on.
    bool UseBarcode() const;
    const RecordContext &Context() const { return m_context; }
    const QString &KojiCode() const { return m_kojiCode; }
    const QString &GyoCode() const { return m_gyoCode; }
    QString WorkDateText() const;

private:
    void takeConstructionSystem(DataSet &record);
    int nextNumber(const QString &column) const;

    RecordContext m_context;
    EquipmentTable m_table;
    QString m_kojiCode;
    QString m_gyoCode;
    QString m_recordCode;
    bool m_newRecord = false;
    int m_nextAcceptanceNumber = 1;
    QVariantList m_defaults;  // the new record's values after its defaults
};
