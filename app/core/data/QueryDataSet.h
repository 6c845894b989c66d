#pragma once

#include "DataSet.h"

#include <QString>
#include <QVariantList>

namespace db {
class Transaction;
}

// A dataset over free SQL text (the forms' IBQuery1 and the pickers' lists): Open reads
// the rows of a SELECT, which are read-only; ExecSQL runs any other statement. Values go
// in as '?' parameters, in the order of their marks:
//
//   QueryDataSet q(transaction);
//   q.SetSQL("Select MAX(GYOCD) AS GC from GYOSYA where KJCD = ?", {kojiCode});
//   q.Open();
//   const int next = q.FieldByName("GC").AsInteger() + 1;
class QueryDataSet : public DataSet
{
public:
    explicit QueryDataSet(db::Transaction &transaction);

    QString SQL() const { return m_sql; }
    // Closes the dataset; `params` are the values of the statement's '?' marks.
    void SetSQL(const QString &sql, const QVariantList &params = {});
    const QVariantList &Params() const { return m_params; }

    // Runs a statement that returns no rows; returns the number of rows it changed.
    qint64 ExecSQL();

protected:
    void loadRows(std::vector<Row> &rows, QList<db::Column> &columns) override;

private:
    db::Transaction &m_transaction;
    QString m_sql;
    QVariantList m_params;
};
