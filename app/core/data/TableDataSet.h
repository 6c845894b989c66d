#pragma once

#include "DataSet.h"
#include "TableSchema.h"

#include <QString>
#include <functional>
#include <optional>

namespace db {
class Error;
class Transaction;
}  // namespace db

// A dataset over one table (the forms' IBTable1) on the program's transaction: all
// columns, limited by Filter (an SQL condition whose values are '?' parameters), ordered
// by the index IndexName or else by the primary key. Binary blob columns are read when
// first asked for.
//
// Event order, which the editors' carry-over of values depends on:
//   Append   (pending record posted), BeforeInsert, BeforeScroll, state Insert
//            (stateChanged), AfterInsert, AfterScroll, dataChanged(-1)
//   Edit     BeforeEdit, state Edit (stateChanged), AfterEdit
//   Post     updatingRecord (bound controls write their text), BeforePost, the write,
//            then state Browse (stateChanged), AfterPost, posted, dataChanged(-1);
//            when the write fails: PostError(error, action); action Fail rethrows the
//            db::Error, Abort throws EAbort; the record stays in edit either way.
//            BeforePost, the write and AfterPost run inside a savepoint: when any of
//            them throws, what they wrote is taken back and the record is in edit again
//            with the values it had, so AfterPost is the place for cascades that must
//            stand or fall with the record. AfterPost must neither move the dataset nor
//            commit: the window commits once the post is done (DataSetPosted).
//   Cancel   BeforeCancel, record restored (after an insert: back on the row that was
//            current before), state Browse (stateChanged), AfterCancel, dataChanged(-1)
//   Delete   (an insert is cancelled instead; an edit is cancelled first)
//            BeforeDelete, BeforeScroll, the write, state Browse, AfterDelete,
//            AfterScroll, dataChanged(-1); BeforeDelete and the write share a savepoint,
//            so a cascade in BeforeDelete is taken back when the delete fails
//   moves    see DataSet; a record in edit or insert is posted before BeforeScroll
//   Filter   set while open: pending record posted, BeforeScroll, rows read again,
//            on the first row, AfterScroll
//   Refresh  rows read again, on the same record (found by its key); dataChanged(-1)
// BeforeXxx handlers abandon the action by throwing (EAbort for silence).
//
// Posting writes INSERT or UPDATE by the primary key; keys the database assigns come
// back at once, so bookmarks taken after the post survive a refresh. An appended record
// stays where it was added (at the end) until the next refresh.
class TableDataSet : public DataSet
{
public:
    using ErrorEvent = std::function<void(DataSet &, const db::Error &, DataAction &)>;

    explicit TableDataSet(db::Transaction &transaction);

    Event BeforeInsert;
    Event AfterInsert;
    Event BeforeEdit;
    Event AfterEdit;
    Event BeforePost;
    Event AfterPost;
    ErrorEvent OnPostError;
    Event BeforeCancel;
    Event AfterCancel;
    Event BeforeDelete;
    Event AfterDelete;

    db::Transaction &Transaction() const { return m_transaction; }

    QString TableName() const { return m_tableName; }
    void SetTableName(const QString &name);  // only while closed
    QString Filter() const { return m_filter; }
    const QVariantList &FilterParams() const { return m_filterParams; }
    // `params` are the values of the condition's '?' marks:
    //   IBTable1.SetFilter("KJCD = ? and GYOCD = ?", {kojiCode, gyoCode});
    void SetFilter(const QString &condition, const QVariantList &params = {});
    QString IndexName() const { return m_indexName; }
    void SetIndexName(const QString &name);  // empty: primary key order

    bool CanModify() const override { return true; }
    void Edit() override;
    void Append();
    void Post();
    void Cancel();
    void Delete();
    void Refresh();

    // Whether the current record has changes or is new and unwritten.
    bool Modified() const { return m_modified; }

    void SetFieldValue(int field, const QVariant &value) override;

protected:
    void loadRows(std::vector<Row> &rows, QList<db::Column> &columns) override;
    QVariant loadValue(int row, int field) override;
    void checkBrowseMode() override;
    Bookmark bookmarkOf(int row) const override;

private:
    QString selectSql(const QStringList &columns) const;
    void requireActive() const;
    void restoreAfterCancel();
    void refreshKeepingRow();
    void write(Row &row);

    db::Transaction &m_transaction;
    QString m_tableName;
    QString m_filter;
    QVariantList m_filterParams;
    QString m_indexName;
    TableSchema m_schema;
    // The record as read, while it is edited; for an insert, the row to return to.
    std::optional<Row> m_original;
    int m_rowBeforeInsert = -1;
    bool m_bofBeforeInsert = true;
    bool m_eofBeforeInsert = true;
    bool m_modified = false;
};
