#include "SchemaBuilder.h"

#include "SchemaDefinition.h"
#include "db/Database.h"
#include "db/Query.h"
#include "db/Transaction.h"

#include <QFile>

namespace {

void runStatements(const QString &path, const QStringList &statements)
{
    db::Database database;
    database.setDatabaseName(path);
    database.open();
    db::Transaction transaction(database);
    db::Query query(transaction);
    for (const QString &statement : statements) {
        query.setSql(statement);
        query.exec();
        // Each definition must be in place before the next one refers to it.
        transaction.commitRetaining();
    }
    transaction.commit();
}

} // namespace

void CreateSorvikDatabase(const QString &path, SchemaVersion version)
{
    if (version == SchemaVersion::Unknown)
        throw db::Error(QStringLiteral("Unknown database version."));
    db::Database::create(path);
    try {
        runStatements(path, SchemaStatements(version));
    } catch (...) {
        QFile::remove(path);
        throw;
    }
}
