#pragma once

#include <QString>
#include <QStringList>
#include <initializer_list>
#include <utility>

namespace db {
class Transaction;
}

// Writes one row of the demo site: columns by name, text values quoted, numbers as they
// stand. Empty texts are stored as null, as the program's own editors do.
class DemoRowWriter
{
public:
    explicit DemoRowWriter(db::Transaction &transaction)
        : m_transaction(transaction)
    {
    }

    using Texts = std::initializer_list<std::pair<const char *, QString>>;
    using Numbers = std::initializer_list<std::pair<const char *, int>>;

    void insert(const char *table, Texts texts, Numbers numbers = {});
    // Sets every one of `columns` to the SQL literal `value` in the rows of `table` that
    // `condition` selects (a run of check columns).
    void update(const char *table, const QString &condition, const QStringList &columns, const QString &value);
    // Sets the columns of every row that `where` ("KJCD = 1 and GYOCD = 2") selects.
    void update(const char *table, Texts texts, Numbers numbers, const QString &where);

private:
    void updateRows(const char *table, const QStringList &assignments, const QString &where);

    db::Transaction &m_transaction;
};
