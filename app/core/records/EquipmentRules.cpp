#include "EquipmentRules.h"

#include "NextCode.h"
#include "config/ConfigKeys.h"
#include "data/DataField.h"
#include "data/TableDataSet.h"
#include "dates/DateText.h"
#include "db/Query.h"
#include "program/SiteLookups.h"

EquipmentRules::EquipmentRules(const RecordContext &context, EquipmentTable table)
    : m_context(context)
    , m_table(std::move(table))
{
}

int EquipmentRules::nextNumber(const QString &column) const
{
    return NextCode(m_context.Transaction,
                    {QStringLiteral("Select MAX(%1) AS GC from %2 where KJCD = ?").arg(column, m_table.name),
                     {CodeParam(m_kojiCode)}})
        .toInt();
}

void EquipmentRules::SetRecord(const QString &kojiCode, const QString &gyoCode, const QString &recordCode)
{
    m_kojiCode = kojiCode;
    m_gyoCode = gyoCode;
    m_newRecord = recordCode.isEmpty();
    m_recordCode = m_newRecord ? QString::number(nextNumber(m_table.codeColumn)) : recordCode;
    m_nextAcceptanceNumber = nextNumber(QStringLiteral("JYUNO"));
}

void EquipmentRules::FilterToRecord(TableDataSet &table) const
{
    table.SetFilter(QStringLiteral("KJCD = ? and GYOCD = ? and %1 = ?").arg(m_table.codeColumn),
                    {CodeParam(m_kojiCode), CodeParam(m_gyoCode), CodeParam(m_recordCode)});
}

bool EquipmentRules::EndsAfterExpiry(const QString &endDate, const QString &expiry)
{
    return IsDateText(endDate) && IsDateText(expiry) && DateTextToDate(endDate) > DateTextToDate(expiry);
}

QString EquipmentRules::WorkDateText() const
{
    return DateToDateText(m_context.WorkDate ? m_context.WorkDate() : m_context.Today());
}

void EquipmentRules::NewRecordDefaults(DataSet &record)
{
    record.FieldByName(QStringLiteral("KJCD")).SetValue(CodeParam(m_kojiCode));
    record.FieldByName(QStringLiteral("GYOCD")).SetValue(CodeParam(m_gyoCode));
    record.FieldByName(m_table.codeColumn).SetValue(CodeParam(m_recordCode));
    record.FieldByName(QStringLiteral("JYUNO")).SetAsInteger(m_nextAcceptanceNumber);
    takeConstructionSystem(record);
    EquipmentDefaults(record);
    record.FieldByName(QStringLiteral("CRDT")).SetAsString(DateToDateText(m_context.Today()));
    m_defaults.clear();
    for (int field = 0; field < record.FieldCount(); ++field)
        m_defaults << record.FieldValue(field);
}

void EquipmentRules::takeConstructionSystem(DataSet &record)
{
    record.FieldByName(QStringLiteral("CMP1NM"))
        .SetAsString(SiteLookups(m_context.Transaction).GetFirstTierName(m_kojiCode, m_gyoCode));
    db::Query query(m_context.Transaction);
    SetStatement(query,
                 {QStringLiteral("Select CPNM, UNUM from TAISEI where KJCD = ? and GYOCD = ?"),
                  {CodeParam(m_kojiCode), CodeParam(m_gyoCode)}});
    query.open();
    if (query.eof())
        return;
    record.FieldByName(m_table.companyColumn).SetAsString(query.field(QStringLiteral("CPNM")).asString());
    record.FieldByName(m_table.tierColumn).SetValue(query.field(QStringLiteral("UNUM")).value());
}

void EquipmentRules::TakeRepresentative(DataSet &record)
{
    db::Query query(m_context.Transaction);
    SetStatement(query,
                 {QStringLiteral("Select first 1 PRNM, TEL from GYOSYA where KJCD = ? and GYOCD = ? "
                                 "order by APDT desc"),
                  {CodeParam(m_kojiCode), CodeParam(m_gyoCode)}});
    query.open();
    if (query.eof())
        return;
    record.FieldByName(QStringLiteral("HNDPRE")).SetAsString(query.field(QStringLiteral("PRNM")).asString());
    record.FieldByName(QStringLiteral("HNDTEL")).SetAsString(query.field(QStringLiteral("TEL")).asString());
}

bool EquipmentRules::UseBarcode() const
{
    return Config::read(m_context.Settings, Config::BarCode);
}

void EquipmentRules::BeforeWrite(DataSet &record)
{
    record.FieldByName(QStringLiteral("EDDT")).SetAsString(DateToDateText(m_context.Today()));
}

void EquipmentRules::AfterPost(DataSet &)
{
    m_newRecord = false;
}

bool EquipmentRules::IsUntouchedNewRecord(DataSet &record)
{
    if (m_defaults.size() != record.FieldCount())
        return false;
    for (int field = 0; field < record.FieldCount(); ++field) {
        if (record.FieldValue(field) != m_defaults[field])
            return false;
    }
    return true;
}
