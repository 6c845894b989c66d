#include "SchemaBuilder.h"

#include "SchemaDefinition.h"
#include "db/Database.h"
#include "db/NewDatabaseFile.h"
#include "db/Query.h"
#include "db/Transaction.h"

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

// Connecting with a forced-writes setting stores it in the database.
void connectOnce(const QString &path, const db::ConnectionParams &params)
{
    db::Database database;
    database.setDatabaseName(path);
    database.setParams(params);
    database.open();
}

void fillDatabase(const QString &path, const db::ConnectionParams &params,
                  const std::function<void(db::Transaction &)> &fill)
{
    db::Database database;
    database.setDatabaseName(path);
    database.setParams(params);
    database.open();
    db::Transaction transaction(database);
    fill(transaction);
    transaction.commit();
}

}  // namespace

void CreateSorvikDatabase(const QString &name, SchemaVersion version,
                          const std::function<void(db::Transaction &)> &fill)
{
    if (version == SchemaVersion::Unknown)
        throw db::Error(QStringLiteral("Unknown database version."));
    db::NewDatabaseFile file(name);
    // The database is built and filled without waiting for the disk at every commit, then
    // made safe; the build is flushed as a whole before it takes its name.
    db::ConnectionParams building;
    building.forcedWrites = 0;
    file.create(building);
    runStatements(file.buildName(), SchemaStatements(version), building);
    if (fill)
        fillDatabase(file.buildName(), building, fill);
    db::ConnectionParams finished;
    finished.forcedWrites = 1;
    connectOnce(file.buildName(), finished);
    file.finish();
}
