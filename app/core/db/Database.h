#pragma once

// The database layer: a thin wrapper over the Firebird client's object interface.
//
// Ownership
//   Database     one attachment (the program's IBDatabase1). It owns the engine handle
//                and knows the Transactions made on it.
//   Transaction  one engine transaction on a Database (the program's IBTransaction1).
//                It must not outlive its Database; it knows the Queries made on it.
//   Query        one statement on a Transaction (IBQuery1 and the short-lived private
//                queries of the lookups). It must not outlive its Transaction.
//   Field        a value copied out of the current row; it stays valid after the query
//                moves on or closes.
//   Closing a Database closes the cursors of its queries and rolls back its open
//   transactions first, so a later open() starts from a clean state; the C++ objects stay
//   usable and simply start again on next use.
//
// Transaction model
//   The program keeps ONE transaction open for the whole run: read committed, record
//   version, no wait. A Transaction starts itself on first use. Every write is finished
//   with commitRetaining() and every failure undone with rollbackRetaining(); both keep
//   the transaction (and open cursors) alive. commit()/rollback() end it.
//
// SQL
//   Statements are SQL text in dialect 3. Values may be written into the text (see
//   SqlText.h) or passed as '?' parameters with Query::setParam(); a parameter is the only
//   way to write a BLOB (QByteArray for binary data, QString for text blobs).
//
// Failures
//   Every engine failure is thrown as db::Error carrying the engine's own message text.
//   The layer never shows anything and never logs.

#include "ConnectionParams.h"
#include "Error.h"
#include "ValidationCounts.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace Firebird {
class IAttachment;
}

namespace db {

class Transaction;

class Database
{
public:
    Database();
    ~Database();
    Database(const Database &) = delete;
    Database &operator=(const Database &) = delete;

    // "host:/path/file.fdb" for a server, a plain path for the embedded engine.
    void setDatabaseName(const QString &name);
    QString databaseName() const { return m_name; }
    void setParams(const ConnectionParams &params) { m_params = params; }
    const ConnectionParams &params() const { return m_params; }

    // Connects, or throws db::Error; ConnectTimeout when the engine does not answer within
    // params().connectTimeLimit.
    void open();
    void close();
    // Closes the connection, runs `whileClosed` (which may, say, replace the database file)
    // and connects again; transactions and queries start again on next use. When
    // `whileClosed` throws, the connection is reopened all the same and its exception goes
    // on. When the reopen fails, the connection stays closed (no attachment is left
    // behind) and db::Error names the database and the engine's reason.
    void reconnect(const std::function<void()> &whileClosed = {});
    // Deletes the connected database for good and closes the connection.
    void drop();
    bool isConnected() const { return m_attachment != nullptr; }

    // Creates an empty database (UTF8, dialect 3, 4096-byte pages) and detaches. Refuses
    // to overwrite an existing file. Like open(), fails with ConnectTimeout when the engine
    // does not answer within the time limit of the parameters.
    static void create(const QString &name, const ConnectionParams &params = {});

    // The engine's full validation of every page, record and index of a database that is
    // not connected (what "gfix -validate -full -no_update" does), changing nothing.
    // Damage that stops the walk raises db::Error; what the walk counts is returned.
    static ValidationCounts validate(const QString &name, const ConnectionParams &params = {});

    // Names of the user tables (no system tables, no views), upper case, sorted.
    QStringList tableNames();
    // Column names of a table in their position order, upper case; empty for an unknown table.
    QStringList fieldNames(const QString &table);
    // Columns of the table's primary key in key order; empty when it has none.
    QStringList primaryKeyFields(const QString &table);

    // A database counts as local when its name contains "localhost" or has no host prefix.
    static bool isLocalName(const QString &name);
    // Whether the name reaches a database server ("host:path", "host/port:path",
    // "inet://host/path", "\\host\path") rather than a file of the embedded engine.
    static bool isServerName(const QString &name);

    Firebird::IAttachment *handle() const;

private:
    friend class Transaction;
    void attach(Transaction *transaction);
    void detach(Transaction *transaction);
    QStringList stringColumn(const QString &sql);

    QString m_name;
    ConnectionParams m_params;
    Firebird::IAttachment *m_attachment = nullptr;
    std::vector<Transaction *> m_transactions;
};

}  // namespace db
