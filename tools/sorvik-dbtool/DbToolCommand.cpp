#include "DbToolCommand.h"

#include "db/ConnectTimeout.h"
#include "db/Database.h"
#include "db/Query.h"
#include "db/Transaction.h"
#include "demo/DemoSite.h"
#include "schema/SchemaBuilder.h"
#include "schema/SchemaVersion.h"

#include <QFileInfo>

namespace {

const char *const Usage = "usage: sorvik-dbtool create [--version 0.4|0.4.6|0.5] DATABASE\n"
                          "       sorvik-dbtool check DATABASE\n"
                          "       sorvik-dbtool demo DATABASE\n"
                          "DATABASE is a file, or host:path on a Firebird server.\n";

int usage(QTextStream &err, const QString &problem = {})
{
    if (!problem.isEmpty())
        err << "sorvik-dbtool: " << problem << "\n";
    err << Usage;
    return 2;
}

int create(const QStringList &args, QTextStream &out, QTextStream &err)
{
    SchemaVersion version = SchemaVersion::V0_5;
    QStringList rest = args;
    if (!rest.isEmpty() && rest.first() == QLatin1String("--version")) {
        if (rest.size() < 2)
            return usage(err, QStringLiteral("--version needs a value"));
        version = SchemaVersionFromText(rest.at(1));
        if (version == SchemaVersion::Unknown)
            return usage(err, QStringLiteral("unknown version \"%1\"").arg(rest.at(1)));
        rest = rest.mid(2);
    }
    if (rest.size() != 1)
        return usage(err, QStringLiteral("create needs exactly one DATABASE"));
    const QString name = rest.first();
    CreateSorvikDatabase(name, version);
    out << "Created " << name << " (version " << SchemaVersionText(version) << ")\n";
    return 0;
}

// Prints the layout version, then runs the engine's full validation (as gfix -validate
// -full -no_update does), which reads every page: a damaged or cut-off file fails here
// even when its tables can still be listed.
int check(const QStringList &args, QTextStream &out, QTextStream &err)
{
    if (args.size() != 1)
        return usage(err, QStringLiteral("check needs exactly one DATABASE"));
    const QString name = args.first();
    SchemaVersion version = SchemaVersion::Unknown;
    {
        db::Database database;
        database.setDatabaseName(name);
        database.open();
        version = DetectSchemaVersion(database);
    }
    if (version == SchemaVersion::Unknown) {
        err << "sorvik-dbtool: " << name << " is not a Sorvik database\n";
        return 1;
    }
    QString damage;
    try {
        damage = db::Database::validate(name).summary();
    } catch (const db::ConnectTimeout &) {
        throw;
    } catch (const db::Error &error) {
        damage = error.message();
    }
    if (!damage.isEmpty()) {
        err << "sorvik-dbtool: " << name << " fails the engine's validation:\n" << damage << "\n";
        return 1;
    }
    out << SchemaVersionText(version) << "\n";
    return 0;
}

// Whether `name` can be opened; a database that does not exist (or cannot be reached)
// cannot. A time-out is no answer and rises.
bool opens(const QString &name)
{
    db::Database database;
    database.setDatabaseName(name);
    try {
        database.open();
        return true;
    } catch (const db::ConnectTimeout &) {
        throw;
    } catch (const db::Error &) {
        return false;
    }
}

// The demo site in an existing database that holds no project yet.
int fillExisting(const QString &name, QTextStream &out, QTextStream &err)
{
    db::Database database;
    database.setDatabaseName(name);
    database.open();
    if (DetectSchemaVersion(database) != SchemaVersion::V0_5) {
        err << "sorvik-dbtool: " << name << " is not a Sorvik 0.5 database; nothing was changed\n";
        return 1;
    }
    db::Transaction transaction(database);
    {
        db::Query projects(transaction);
        projects.setSql(QStringLiteral("Select first 1 KJCD from KOJI"));
        projects.open();
        if (!projects.eof()) {
            err << "sorvik-dbtool: " << name << " already holds projects; nothing was changed\n";
            return 1;
        }
    }
    FillDemoSite(transaction);
    transaction.commit();
    out << "Filled " << name << " with the demo site\n";
    return 0;
}

// The demo site: in a new database (made whole, or not at all) when DATABASE does not
// exist, else in the existing one when it holds no project yet.
int demo(const QStringList &args, QTextStream &out, QTextStream &err)
{
    if (args.size() != 1)
        return usage(err, QStringLiteral("demo needs exactly one DATABASE"));
    const QString name = args.first();
    const bool exists = db::Database::isServerName(name) ? opens(name) : QFileInfo::exists(name);
    if (exists)
        return fillExisting(name, out, err);
    CreateSorvikDatabase(name, SchemaVersion::V0_5, FillDemoSite);
    out << "Created " << name << " with the demo site\n";
    return 0;
}

}  // namespace

int RunDbTool(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    if (arguments.isEmpty())
        return usage(err);
    const QString command = arguments.first();
    try {
        if (command == QLatin1String("create"))
            return create(arguments.mid(1), out, err);
        if (command == QLatin1String("check"))
            return check(arguments.mid(1), out, err);
        if (command == QLatin1String("demo"))
            return demo(arguments.mid(1), out, err);
        if (command == QLatin1String("--help") || command == QLatin1String("-h")) {
            out << Usage;
            return 0;
        }
        return usage(err, QStringLiteral("unknown command \"%1\"").arg(command));
    } catch (const db::Error &error) {
        err << "sorvik-dbtool: " << error.message() << "\n";
        return 1;
    }
}
