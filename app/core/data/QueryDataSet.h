#pragma once

#include "DataSet.h"

#include <QString>

namespace db {
class Transaction;
}

// A dataset over free SQL text (the forms' IBQuery1 and the pickers' lists): Open reads
// the rows of a SELECT, which are read-only; ExecSQL runs any other statement.
//
//   QueryDataSet q(transaction);
//   q.SetSQL("Select MAX(KJCD) AS KC from KOJI");
//   q.Open();
//   const int next = q.FieldByName("KC").AsInteger() + 1;
class QueryDataSet : public DataSet
{
public:
    explicit QueryDataSet(db::Transaction &transaction);

    QString SQL() const { return m_sql; }
    void SetSQL(const QString &sql);  // closes the dataset

    // Runs a statement that returns no rows; returns the number of rows it changed.
    qint64 ExecSQL();

protected:
    void loadRows(std::vector<Row> &rows, QList<db::Column> &columns) override;

private:
    db::Transaction &m_transaction;
    QString m_sql;
};
