#include "SchemaBuilder.h"

#include "SchemaDefinition.h"
#include "db/Database.h"
#include "db/Query.h"
#include "db/Transaction.h"

#include <QFile>

namespace {

void runStatements(const QString &path, const QStringList &statements, const db::ConnectionParams &params)
{
    db::Database database;
    database.setDatabaseName(path);
    database.setParams(params);
    database.open();
    db::Transaction transaction(database);
    db::Query query(transaction);
    QString previousKind;
    for (const QString &statement : statements) {
        // A definition must be committed before a statement of another kind refers to it
        // (a key to its table, a trigger to its generator); alike statements share a commit.
        const QString kind = statement.section(QLatin1Char(' '), 0, 1).toLower();
        if (kind != previousKind)
            transaction.commitRetaining();
        previousKind = kind;
        query.setSql(statement);
        query.exec();
    }
    transaction.commit();
}

}  // namespace

void CreateSorvikDatabase(const QString &path, SchemaVersion version)
{
    if (version == SchemaVersion::Unknown)
        throw db::Error(QStringLiteral("Unknown database version."));
    // The file is built without waiting for the disk at every commit, then made safe.
    db::ConnectionParams building;
    building.forcedWrites = 0;
    db::Database::create(path, building);
    try {
        runStatements(path, SchemaStatements(version), building);
        db::ConnectionParams finished;
        finished.forcedWrites = 1;
        db::Database database;
        database.setDatabaseName(path);
        database.setParams(finished);
        database.open();
    } catch (...) {
        QFile::remove(path);
        throw;
    }
}
