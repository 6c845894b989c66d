#include "RecordSession.h"

#include "RecordRules.h"
#include "data/Abort.h"
#include "data/DataField.h"
#include "data/TableDataSet.h"
#include "db/Error.h"
#include "messages/MessageService.h"

RecordSession::RecordSession(TableDataSet &table, RecordRules &rules)
    : m_table(table)
    , m_rules(rules)
{
    DataSet::Chain(m_table.BeforeScroll, [this](DataSet &) { remember(); });
    DataSet::Chain(m_table.AfterInsert, [this](DataSet &) { begin(); });
    DataSet::Chain(m_table.BeforePost, [this](DataSet &) { check(); });
    DataSet::Chain(m_table.AfterPost, [this](DataSet &record) { m_rules.AfterPost(record); });
    DataSet::Chain(m_table.BeforeDelete, [this](DataSet &record) { m_rules.BeforeDelete(record); });
    DataSet::Chain(m_table.OnPostError, [this](DataSet &, const db::Error &error, DataAction &action) {
        const QString message = m_rules.PostErrorMessage(error.message());
        if (message.isEmpty())
            return;
        MessageService::current().information(message);
        action = DataAction::Abort;
    });
}

void RecordSession::Open()
{
    m_table.SetTableName(m_rules.TableName());
    m_table.SetIndexName(m_rules.IndexName());
    m_table.Open();
}

void RecordSession::remember()
{
    if (m_table.IsEmpty() || m_table.RecNo() < 0)
        return;
    m_carried.clear();
    for (const QString &column : m_rules.CarriedColumns())
        m_carried.insert(column, m_table.FieldByName(column).Value());
}

void RecordSession::write(const QHash<QString, QVariant> &values)
{
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        m_table.FieldByName(it.key()).SetValue(it.value());
}

void RecordSession::begin()
{
    m_rules.NewRecordDefaults(m_table);
    if (m_carrying && m_table.State() == DataSetState::Insert)
        write(m_carried);
}

void RecordSession::check()
{
    for (const PostCheck &check : m_rules.PostChecks()) {
        if (check.passes(m_table))
            continue;
        MessageService::current().information(check.message);
        if (OnRefused)
            OnRefused(check.column);
        Abort();
    }
    m_rules.BeforeWrite(m_table);
}

bool RecordSession::MayDelete()
{
    if (!m_table.Active() || m_table.IsEmpty())
        return true;
    const QString refusal = m_rules.DeleteRefusal(m_table);
    if (refusal.isEmpty())
        return true;
    MessageService::current().information(refusal);
    return false;
}

void RecordSession::AppendCopy(const QStringList &columns)
{
    QHash<QString, QVariant> values;
    for (const QString &column : columns)
        values.insert(column, m_table.FieldByName(column).Value());
    m_table.Append();
    write(values);
}

bool RecordSession::IsUntouchedNewRecord()
{
    return m_table.State() == DataSetState::Insert && m_rules.IsUntouchedNewRecord(m_table);
}
