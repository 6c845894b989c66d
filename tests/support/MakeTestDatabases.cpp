// sorvik-test-databases FOLDER: writes the prepared databases the tests copy (see
// PreparedDatabase.h). Each file is built under a temporary name and renamed, so an
// interrupted build never leaves a half-made database behind for the tests.
#include "PreparedDatabase.h"

#include "db/Database.h"
#include "db/Error.h"
#include "db/Transaction.h"
#include "demo/DemoSite.h"
#include "schema/SchemaBuilder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cstdio>
#include <functional>

namespace {

// A test's copy lives for one test: the engine need not wait for the disk at every page
// write, which costs milliseconds per commit on a virtual disk. The setting stays with the
// file and so with every copy.
void withoutForcedWrites(const QString &path)
{
    db::ConnectionParams params;
    params.forcedWrites = 0;
    db::Database database;
    database.setDatabaseName(path);
    database.setParams(params);
    database.open();
}

void make(const QString &folder, PreparedDatabase kind, const std::function<void(const QString &)> &build)
{
    const QString target = folder + QLatin1Char('/') + PreparedDatabaseName(kind);
    const QString partial = target + QStringLiteral(".partial");
    QFile::remove(partial);
    build(partial);
    withoutForcedWrites(partial);
    QFile::remove(target);
    if (!QFile::rename(partial, target))
        throw std::runtime_error("cannot rename " + partial.toStdString());
}

}  // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: sorvik-test-databases FOLDER\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    try {
        QDir().mkpath(folder);
        make(folder, PreparedDatabase::Blank, [](const QString &path) { db::Database::create(path); });
        make(folder, PreparedDatabase::V0_4,
             [](const QString &path) { CreateSorvikDatabase(path, SchemaVersion::V0_4); });
        make(folder, PreparedDatabase::V0_4_6,
             [](const QString &path) { CreateSorvikDatabase(path, SchemaVersion::V0_4_6); });
        make(folder, PreparedDatabase::Current, [](const QString &path) { CreateSorvikDatabase(path); });
        make(folder, PreparedDatabase::Demo, [](const QString &path) {
            CreateSorvikDatabase(path);
            db::Database database;
            database.setDatabaseName(path);
            database.open();
            db::Transaction transaction(database);
            FillDemoSite(transaction);
            transaction.commit();
        });
    } catch (const std::exception &error) {
        std::fprintf(stderr, "sorvik-test-databases: %s\n", error.what());
        return 1;
    }
    return 0;
}
