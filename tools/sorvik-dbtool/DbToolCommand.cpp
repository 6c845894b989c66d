#include "DbToolCommand.h"

#include "db/Database.h"
#include "db/Query.h"
#include "db/Transaction.h"
#include "demo/DemoSite.h"
#include "schema/SchemaBuilder.h"
#include "schema/SchemaVersion.h"

#include <QDir>
#include <QFileInfo>

namespace {

const char *const Usage = "usage: sorvik-dbtool create [--version 0.4|0.4.6|0.5] PATH\n"
                          "       sorvik-dbtool check PATH\n"
                          "       sorvik-dbtool demo PATH\n";

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
        return usage(err, QStringLiteral("create needs exactly one PATH"));
    const QString path = rest.first();
    if (QFileInfo::exists(path)) {
        err << "sorvik-dbtool: " << path << " already exists; nothing was changed\n";
        return 1;
    }
    if (!QFileInfo(path).absoluteDir().exists()) {
        err << "sorvik-dbtool: the folder of " << path << " does not exist\n";
        return 1;
    }
    CreateSorvikDatabase(path, version);
    out << "Created " << path << " (version " << SchemaVersionText(version) << ")\n";
    return 0;
}

int check(const QStringList &args, QTextStream &out, QTextStream &err)
{
    if (args.size() != 1)
        return usage(err, QStringLiteral("check needs exactly one PATH"));
    db::Database database;
    database.setDatabaseName(args.first());
    database.open();
    const SchemaVersion version = DetectSchemaVersion(database);
    if (version == SchemaVersion::Unknown) {
        err << "sorvik-dbtool: " << args.first() << " is not a Sorvik database\n";
        return 1;
    }
    out << SchemaVersionText(version) << "\n";
    return 0;
}

// Fills a new database (made here when PATH does not exist) with the demo site. A
// database that already holds projects is left alone.
int demo(const QStringList &args, QTextStream &out, QTextStream &err)
{
    if (args.size() != 1)
        return usage(err, QStringLiteral("demo needs exactly one PATH"));
    const QString path = args.first();
    if (!QFileInfo::exists(path)) {
        if (!QFileInfo(path).absoluteDir().exists()) {
            err << "sorvik-dbtool: the folder of " << path << " does not exist\n";
            return 1;
        }
        CreateSorvikDatabase(path);
    }
    db::Database database;
    database.setDatabaseName(path);
    database.open();
    if (DetectSchemaVersion(database) != SchemaVersion::V0_5) {
        err << "sorvik-dbtool: " << path << " is not a Sorvik 0.5 database; nothing was changed\n";
        return 1;
    }
    db::Transaction transaction(database);
    {
        db::Query projects(transaction);
        projects.setSql(QStringLiteral("Select first 1 KJCD from KOJI"));
        projects.open();
        if (!projects.eof()) {
            err << "sorvik-dbtool: " << path << " already holds projects; nothing was changed\n";
            return 1;
        }
    }
    FillDemoSite(transaction);
    transaction.commit();
    out << "Filled " << path << " with the demo site\n";
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
