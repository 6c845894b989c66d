#include "PackageTool.h"

#include "program/AppContext.h"
#include "program/DataModule1.h"
#include "NextProjectCode.h"
#include "PackageExchange.h"
#include "PackageKind.h"
#include "PackageListing.h"
#include "RosterPackage.h"
#include "db/SqlText.h"
#include "ToolServices.h"
#include "data/QueryDataSet.h"
#include "data/TableDataSet.h"

#include <QHash>
#include <QTemporaryDir>

#include <memory>

using namespace sorvik::package;

namespace {

const char *const Usage
    = "usage: sorvik-package list FILE\n"
      "       sorvik-package export KIND --db PATH [--project N] [--contractor N] [--record N] [--plain]"
      " [--company NAME] OUT\n"
      "       sorvik-package import FILE --db PATH [--project N] [--contractor N] [--record N] [--overwrite]"
      " [--kind K]\n"
      "       sorvik-package unload --db PATH --project N [--company NAME] OUT\n"
      "       sorvik-package load --db PATH FILE\n";

const QStringList kValueOptions
    = {QStringLiteral("--db"),     QStringLiteral("--project"), QStringLiteral("--contractor"),
       QStringLiteral("--record"), QStringLiteral("--company"), QStringLiteral("--kind")};
const QStringList kFlags = {QStringLiteral("--plain"), QStringLiteral("--overwrite")};

struct UsageError
{
    QString problem;
};

struct Arguments
{
    QStringList positional;
    QHash<QString, QString> options;

    static Arguments parse(const QStringList &list)
    {
        Arguments arguments;
        for (qsizetype i = 0; i < list.size(); ++i) {
            const QString &item = list[i];
            if (kFlags.contains(item)) {
                arguments.options.insert(item, QStringLiteral("1"));
            } else if (kValueOptions.contains(item)) {
                if (i + 1 >= list.size())
                    throw UsageError{item + QStringLiteral(" needs a value")};
                arguments.options.insert(item, list[++i]);
            } else if (item.startsWith(QStringLiteral("--"))) {
                throw UsageError{QStringLiteral("unknown option ") + item};
            } else {
                arguments.positional << item;
            }
        }
        return arguments;
    }

    QString value(const char *option) const { return options.value(QLatin1String(option)); }
    bool flag(const char *option) const { return options.contains(QLatin1String(option)); }
    QString required(const char *option) const
    {
        if (!options.contains(QLatin1String(option)))
            throw UsageError{QLatin1String(option) + QStringLiteral(" is required")};
        return value(option);
    }
};

// The database, the program's context and the exchange, as the program sets them up; the
// work folders go into a temporary folder of this run.
class Session
{
public:
    explicit Session(const Arguments &arguments)
        : dialogs(arguments.flag("--plain"), arguments.flag("--overwrite"))
    {
        AppContext &context = AppContext::instance();
        context.AppDir = m_appDir.path() + QLatin1Char('/');
        context.CompanyName = arguments.value("--company");
        context.Project().Select({arguments.value("--project"), {}, {}, false});
        if (arguments.options.contains(QStringLiteral("--db"))) {
            data.IBDatabase1.setDatabaseName(arguments.value("--db"));
            data.IBDatabase1.open();
            data.IBTransaction1.start();
        }
    }

    QString appDir() const { return AppContext::instance().AppDir; }

    TDataModule1 data;
    ToolDialogs dialogs;
    PackageExchange exchange{data, dialogs};

private:
    QTemporaryDir m_appDir;
};

QString code(const QString &text)
{
    return SqlIntOrNull(text);
}

// The table and the condition that name the one record a kind's package carries.
QString recordCondition(const PackageKind &kind, const Arguments &arguments)
{
    QString condition = QStringLiteral("KJCD = ") + code(arguments.required("--project"));
    if (kind.number != 0)
        condition += QStringLiteral(" and GYOCD = ") + code(arguments.required("--contractor"));
    if (kind.number >= 6)
        condition += QStringLiteral(" and ") + kind.keyColumns[2] + QStringLiteral(" = ")
            + code(arguments.required("--record"));
    return condition;
}

// The rows a package of `kind` is written from.
QString exportSql(const PackageKind &kind, const Arguments &arguments)
{
    if (kind.number == 3 || kind.number == 4)
        return QStringLiteral("Select * from ") + kind.table;
    if (kind.storing == Storing::OverwriteRecord)
        return QStringLiteral("Select * from ") + kind.table + QStringLiteral(" where ")
            + recordCondition(kind, arguments) + (kind.number <= 1 ? QStringLiteral(" order by APDT desc") : QString());
    QString sql = QStringLiteral("Select * from ") + kind.table + QStringLiteral(" where KJCD = ")
        + code(arguments.required("--project"));
    if (!arguments.value("--contractor").isEmpty())
        sql += QStringLiteral(" and GYOCD = ") + code(arguments.value("--contractor"));
    return sql;
}

const PackageKind &kindFromText(const QString &text)
{
    bool number = false;
    const int value = text.toInt(&number);
    const PackageKind *kind = number ? kindByNumber(value) : kindByTable(text);
    if (!kind)
        throw UsageError{QStringLiteral("unknown kind \"%1\"").arg(text)};
    return *kind;
}

int exportCommand(const Arguments &arguments, QTextStream &out)
{
    if (arguments.positional.size() != 2)
        throw UsageError{QStringLiteral("export needs KIND and OUT")};
    Session session(arguments);
    const QString target = arguments.positional[1];
    if (arguments.positional[0] == QLatin1String("roster")) {
        RosterPackage roster(session.exchange, session.data);
        return roster.Export(target, arguments.required("--project"), arguments.required("--contractor")) ? 0 : 1;
    }
    const PackageKind &kind = kindFromText(arguments.positional[0]);
    QueryDataSet rows(session.data.IBTransaction1);
    rows.SetSQL(exportSql(kind, arguments));
    rows.Open();
    if (kind.exportsCurrentRecordOnly() && rows.IsEmpty()) {
        MessageService::current().error(QStringLiteral("%1 に該当するレコードが有りません。").arg(kind.table));
        return 1;
    }
    if (!session.exchange.ExportTable(target, kind.number, rows))
        return 1;
    out << "Wrote " << target << " (" << kind.table << ", " << rows.RecordCount() << " rows)\n";
    return 0;
}

bool importIntoRecord(Session &session, const QString &file, const PackageKind &kind, const Arguments &arguments)
{
    TableDataSet record(session.data.IBTransaction1);
    record.SetTableName(kind.table);
    record.SetFilter(recordCondition(kind, arguments));
    record.Open();
    if (record.IsEmpty()) {
        MessageService::current().error(QStringLiteral("%1 に取り込む先のレコードが有りません。").arg(kind.table));
        return false;
    }
    record.Last();
    if (!session.exchange.ImportTable(file, kind.number, &record)) {
        record.Cancel();
        return false;
    }
    record.Post();
    session.data.IBTransaction1.commitRetaining();
    return true;
}

int importCommand(const Arguments &arguments, QTextStream &out)
{
    if (arguments.positional.size() != 1)
        throw UsageError{QStringLiteral("import needs FILE")};
    const QString file = arguments.positional[0];
    Session session(arguments);
    PackageSort sort;
    if (arguments.options.contains(QStringLiteral("--kind"))) {
        sort.kind = kindFromText(arguments.value("--kind")).number;
    } else if (const auto detected = detectPackage(file, session.appDir())) {
        sort = *detected;
    } else {
        return 1;
    }
    const QString gyoCode = arguments.value("--contractor");
    QString gyoName;
    if (!gyoCode.isEmpty())
        session.data.GetContractorItem(arguments.value("--project"), gyoCode, QStringLiteral("CPNM"),
                                       QStringLiteral("9999/12/31"), gyoName);
    AppContext::instance().ImportGyoCode = gyoCode;
    AppContext::instance().ImportGyoName = gyoName;
    bool imported = false;
    if (sort.roster) {
        RosterPackage roster(session.exchange, session.data);
        imported = roster.Import(file, arguments.required("--contractor"), gyoName);
    } else {
        const PackageKind *kind = kindByNumber(sort.kind);
        if (!kind)
            throw UsageError{QStringLiteral("unknown kind %1").arg(sort.kind)};
        if (kind->storing == Storing::Workers || kind->storing == Storing::Qualifications) {
            arguments.required("--project");
            arguments.required("--contractor");
        }
        imported = kind->storing == Storing::OverwriteRecord ? importIntoRecord(session, file, *kind, arguments)
                                                             : session.exchange.ImportTable(file, kind->number);
    }
    if (!imported)
        return 1;
    out << "Imported " << file << "\n";
    return 0;
}

int unloadCommand(const Arguments &arguments, QTextStream &out)
{
    if (arguments.positional.size() != 1)
        throw UsageError{QStringLiteral("unload needs OUT")};
    Session session(arguments);
    if (!session.exchange.UnloadUnit(arguments.required("--project"), arguments.positional[0]))
        return 1;
    out << "Wrote " << arguments.positional[0] << "\n";
    return 0;
}

int loadCommand(const Arguments &arguments, QTextStream &out)
{
    if (arguments.positional.size() != 1)
        throw UsageError{QStringLiteral("load needs FILE")};
    Session session(arguments);
    const QString code = nextProjectCode(session.data.IBTransaction1);
    if (!session.exchange.LoadUnit(code, arguments.positional[0]))
        return 1;
    out << "Loaded " << arguments.positional[0] << " as project " << code << "\n";
    return 0;
}

int listCommand(const Arguments &arguments, QTextStream &out)
{
    if (arguments.positional.size() != 1)
        throw UsageError{QStringLiteral("list needs FILE")};
    Session session(arguments);
    return listPackage(arguments.positional[0], session.appDir(), out) ? 0 : 1;
}

int run(const QString &command, const Arguments &arguments, QTextStream &out)
{
    if (command == QLatin1String("list"))
        return listCommand(arguments, out);
    if (command == QLatin1String("export") || command == QLatin1String("import") || command == QLatin1String("unload")
        || command == QLatin1String("load"))
        arguments.required("--db");
    if (command == QLatin1String("export"))
        return exportCommand(arguments, out);
    if (command == QLatin1String("import"))
        return importCommand(arguments, out);
    if (command == QLatin1String("unload"))
        return unloadCommand(arguments, out);
    if (command == QLatin1String("load"))
        return loadCommand(arguments, out);
    throw UsageError{QStringLiteral("unknown command \"%1\"").arg(command)};
}

}  // namespace

int RunPackageTool(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    if (arguments.isEmpty()) {
        err << Usage;
        return 2;
    }
    ToolMessages messages;
    try {
        const Arguments parsed = Arguments::parse(arguments.mid(1));
        return messages.finish(run(arguments.first(), parsed, out), err, QStringLiteral("failed"));
    } catch (const UsageError &usage) {
        err << "sorvik-package: " << usage.problem << "\n" << Usage;
        return 2;
    } catch (const db::Error &error) {
        messages.error(error.message());
        return messages.finish(1, err, QString());
    } catch (const std::exception &error) {
        messages.error(QString::fromLocal8Bit(error.what()));
        return messages.finish(1, err, QString());
    }
}
