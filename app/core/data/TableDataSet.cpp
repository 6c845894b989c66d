#include "TableDataSet.h"

#include "Abort.h"
#include "FieldValue.h"
#include "Savepoint.h"
#include "TableWriter.h"
#include "db/Error.h"
#include "db/Query.h"

#include <QStringList>
#include <algorithm>

TableDataSet::TableDataSet(db::Transaction &transaction)
    : m_transaction(transaction)
{
}

void TableDataSet::SetTableName(const QString &name)
{
    if (Active())
        throw db::Error(QStringLiteral("開いているデータセットのテーブルは変更できません。"));
    m_tableName = name;
}

void TableDataSet::SetFilter(const QString &condition, const QVariantList &params)
{
    if (!Active()) {
        m_filter = condition;
        m_filterParams = params;
        return;
    }
    checkBrowseMode();
    fire(BeforeScroll);
    const QString previous = m_filter;
    const QVariantList previousParams = m_filterParams;
    m_filter = condition;
    m_filterParams = params;
    try {
        reload();
    } catch (...) {
        m_filter = previous;
        m_filterParams = previousParams;
        throw;
    }
    placeWithoutEvents(m_rows.empty() ? -1 : 0, true, false);
    fire(AfterScroll);
    notifyDataChange(-1);
}

void TableDataSet::SetIndexName(const QString &name)
{
    m_indexName = name;
    if (Active())
        Refresh();
}

QString TableDataSet::selectSql(const QStringList &columns) const
{
    QString sql = QStringLiteral("select %1 from %2").arg(columns.join(QStringLiteral(", ")), m_schema.table);
    if (!m_filter.trimmed().isEmpty())
        sql += QStringLiteral(" where (%1)").arg(m_filter);
    QStringList order;
    if (!m_indexName.trimmed().isEmpty())
        order << TableSchema::indexOrder(m_transaction, m_schema.table, m_indexName);
    order << m_schema.primaryKey;
    if (!order.isEmpty())
        sql += QStringLiteral(" order by ") + order.join(QStringLiteral(", "));
    return sql;
}

void TableDataSet::loadRows(std::vector<Row> &rows, QList<db::Column> &columns)
{
    if (m_tableName.trimmed().isEmpty())
        throw db::Error(QStringLiteral("テーブル名が設定されていません。"));
    m_schema = TableSchema::read(m_transaction, m_tableName);
    QStringList selected;
    QList<int> positions;
    for (int i = 0; i < m_schema.columns.size(); ++i) {
        if (!m_schema.isBinaryBlob(i)) {
            selected << m_schema.columns[i].name;
            positions << i;
        }
    }
    const int count = int(m_schema.columns.size());
    db::Query query(m_transaction);
    query.setSql(selectSql(selected));
    for (int i = 0; i < m_filterParams.size(); ++i)
        query.setParam(i, m_filterParams[i]);
    for (query.open(); !query.eof(); query.next()) {
        Row row{QVector<QVariant>(count), QVector<bool>(count, false)};
        for (int q = 0; q < positions.size(); ++q) {
            row.values[positions[q]] = query.field(q).value();
            row.loaded[positions[q]] = true;
        }
        rows.push_back(std::move(row));
    }
    columns = m_schema.columns;
    m_original.reset();
    m_modified = false;
}

QVariant TableDataSet::loadValue(int row, int field)
{
    TableWriter writer(m_transaction, m_schema);
    const QVariantList key = writer.keyOf(m_rows[size_t(row)].values);
    QStringList terms;
    for (const QString &name : m_schema.primaryKey)
        terms << name + QStringLiteral(" = ?");
    db::Query query(m_transaction);
    query.setSql(QStringLiteral("select %1 from %2 where %3")
                     .arg(m_schema.columns[field].name, m_schema.table, terms.join(QStringLiteral(" and "))));
    for (int i = 0; i < key.size(); ++i)
        query.setParam(i, key[i]);
    query.open();
    return query.eof() ? QVariant() : query.field(0).value();
}

DataSet::Bookmark TableDataSet::bookmarkOf(int row) const
{
    if (m_schema.primaryKey.isEmpty())
        return DataSet::bookmarkOf(row);
    return TableWriter(m_transaction, m_schema).keyOf(m_rows[size_t(row)].values);
}

void TableDataSet::requireActive() const
{
    if (!Active())
        throw db::Error(QStringLiteral("データセットが開かれていません。"));
}

void TableDataSet::checkBrowseMode()
{
    if (State() == DataSetState::Edit || State() == DataSetState::Insert)
        Post();
}

void TableDataSet::SetFieldValue(int field, const QVariant &value)
{
    if (State() != DataSetState::Edit && State() != DataSetState::Insert)
        throw db::Error(QStringLiteral("データセットが編集状態ではありません。"));
    if (field < 0 || field >= m_columns.size())
        throw db::Error(QStringLiteral("フィールド番号 %1 は範囲外です。").arg(field));
    Row &row = m_rows[size_t(m_current)];
    row.values[field] = FieldValueFor(m_columns[field], value, DisplayLabel(field));
    row.loaded[field] = true;
    m_modified = true;
    notifyDataChange(field);
}

void TableDataSet::Edit()
{
    requireActive();
    if (State() == DataSetState::Edit || State() == DataSetState::Insert)
        return;
    if (IsEmpty()) {
        Append();
        return;
    }
    fire(BeforeEdit);
    m_original = m_rows[size_t(m_current)];
    setState(DataSetState::Edit);
    fire(AfterEdit);
}

void TableDataSet::Append()
{
    requireActive();
    checkBrowseMode();
    fire(BeforeInsert);
    fire(BeforeScroll);
    m_rowBeforeInsert = m_current;
    m_bofBeforeInsert = Bof();
    m_eofBeforeInsert = Eof();
    const int count = int(m_columns.size());
    m_rows.push_back(Row{QVector<QVariant>(count), QVector<bool>(count, true)});
    placeWithoutEvents(int(m_rows.size()) - 1, false, false);
    m_original.reset();
    m_modified = false;
    setState(DataSetState::Insert);
    fire(AfterInsert);
    fire(AfterScroll);
    notifyDataChange(-1);
}

void TableDataSet::write(Row &row)
{
    TableWriter writer(m_transaction, m_schema);
    if (State() == DataSetState::Insert) {
        const QVariantList key = writer.insert(row.values);
        for (int k = 0; k < key.size(); ++k)
            row.values[m_schema.indexOf(m_schema.primaryKey[k])] = key[k];
    } else {
        writer.update(row.values, m_original->values, row.loaded);
    }
}

void TableDataSet::Post()
{
    requireActive();
    if (State() != DataSetState::Edit && State() != DataSetState::Insert)
        return;
    notifyUpdateRecord();
    Savepoint savepoint(m_transaction);
    fire(BeforePost);
    const int index = m_current;
    const DataSetState editState = State();
    const Row unwritten = m_rows[size_t(index)];
    const std::optional<Row> original = m_original;
    try {
        write(m_rows[size_t(index)]);
    } catch (const db::Error &error) {
        savepoint.Rollback();
        DataAction action = DataAction::Fail;
        if (OnPostError)
            OnPostError(*this, error, action);
        if (action == DataAction::Abort)
            Abort();
        throw;
    }
    m_original.reset();
    m_modified = false;
    setState(DataSetState::Browse);
    try {
        fire(AfterPost);
    } catch (...) {
        // The record was not stored after all: back into edit with what the user had.
        savepoint.Rollback();
        m_rows[size_t(index)] = unwritten;
        m_original = original;
        m_modified = true;
        setState(editState);
        notifyDataChange(-1);
        throw;
    }
    savepoint.Release();
    notifyPosted();
    notifyDataChange(-1);
}

void TableDataSet::restoreAfterCancel()
{
    if (State() == DataSetState::Insert) {
        m_rows.erase(m_rows.begin() + m_current);
        placeWithoutEvents(m_rowBeforeInsert, m_bofBeforeInsert, m_eofBeforeInsert);
    } else if (m_original) {
        m_rows[size_t(m_current)] = *m_original;
    }
    m_original.reset();
    m_modified = false;
}

void TableDataSet::Cancel()
{
    if (State() != DataSetState::Edit && State() != DataSetState::Insert)
        return;
    fire(BeforeCancel);
    restoreAfterCancel();
    setState(DataSetState::Browse);
    fire(AfterCancel);
    notifyDataChange(-1);
}

void TableDataSet::Delete()
{
    requireActive();
    if (State() == DataSetState::Insert) {
        Cancel();
        return;
    }
    if (IsEmpty())
        throw db::Error(QStringLiteral("削除するデータがありません。"));
    Savepoint savepoint(m_transaction);
    fire(BeforeDelete);
    fire(BeforeScroll);
    const QVector<QVariant> stored = m_original ? m_original->values : m_rows[size_t(m_current)].values;
    TableWriter(m_transaction, m_schema).remove(stored);
    savepoint.Release();
    const bool wasLast = m_current == int(m_rows.size()) - 1;
    m_rows.erase(m_rows.begin() + m_current);
    m_original.reset();
    m_modified = false;
    placeWithoutEvents(std::min(m_current, int(m_rows.size()) - 1), false, wasLast);
    setState(DataSetState::Browse);
    fire(AfterDelete);
    fire(AfterScroll);
    notifyDataChange(-1);
}

void TableDataSet::refreshKeepingRow()
{
    const Bookmark bookmark = GetBookmark();
    reload();
    for (int row = 0; row < int(m_rows.size()); ++row) {
        if (!bookmark.isEmpty() && bookmarkOf(row) == bookmark) {
            placeWithoutEvents(row, false, false);
            return;
        }
    }
    // The row stood on is gone (deleted by another user): stay at its place, or on the
    // last row when it was the last.
    placeWithoutEvents(std::min(m_current, int(m_rows.size()) - 1), false, false);
}

void TableDataSet::Refresh()
{
    requireActive();
    checkBrowseMode();
    refreshKeepingRow();
    notifyDataChange(-1);
}
