#include "PrintJob.h"

#include "config/IniFile.h"
#include "dates/DateText.h"
#include "db/SqlText.h"
#include "program/AppContext.h"
#include "tree/ConstructionSystem.h"

#include <QFileInfo>

namespace {

const QStringList kValueOptions
    = {QStringLiteral("--db"), QStringLiteral("--project"), QStringLiteral("--contractor"), QStringLiteral("--date"),
       QStringLiteral("--order"), QStringLiteral("--ini"),
       // The chart and the ledger forms.
       QStringLiteral("--version"), QStringLiteral("--lines"), QStringLiteral("--subcontractor"),
       QStringLiteral("--layout"),
       // The equipment notifications, the qualification holders, the sheets.
       QStringLiteral("--records"), QStringLiteral("--qualification"), QStringLiteral("--sheet"),
       QStringLiteral("--place"), QStringLiteral("--machine"), QStringLiteral("--acceptance")};

}  // namespace

PrintJob::PrintJob(const QStringList &arguments)
{
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &item = arguments[i];
        if (kValueOptions.contains(item)) {
            if (i + 1 >= arguments.size())
                throw PrintUsageError{item + QStringLiteral(" needs a value")};
            m_options.insert(item, arguments[++i]);
        } else if (item.startsWith(QStringLiteral("--"))) {
            throw PrintUsageError{QStringLiteral("unknown option ") + item};
        } else {
            m_positional << item;
        }
    }
}

QString PrintJob::required(const char *name) const
{
    const QString value = option(name);
    if (value.isEmpty())
        throw PrintUsageError{QLatin1String(name) + QStringLiteral(" is required")};
    if (QLatin1String(name) != QLatin1String("--db") && DigitsOnly(value) != value)
        throw PrintUsageError{QLatin1String(name) + QStringLiteral(" takes a number, not ") + value};
    return value;
}

QDate PrintJob::date() const
{
    const QString text = option("--date");
    if (text.isEmpty())
        return QDate::currentDate();
    if (text.size() != 10 || !IsDateText(text))
        throw PrintUsageError{QStringLiteral("--date takes a date YYYY/MM/DD, not ") + text};
    return DateTextToDate(text);
}

void PrintJob::start(const QString &templateFolder)
{
    const QString database = required("--db");
    if (!QFileInfo(database).isFile() && !database.contains(u':'))
        throw PrintFailure(QStringLiteral("no database at ") + database);
    if (const QString path = option("--ini"); !path.isEmpty()) {
        if (!QFileInfo(path).isFile())
            throw PrintFailure(QStringLiteral("no settings file at ") + path);
        ini = std::make_unique<IniFile>(path);
    }
    settings = sorvik::documents::PrintSettings::read({}, ini.get());
    settings.templateFolder = templateFolder;

    AppContext &context = AppContext::instance();
    context.UseBarcode = settings.useBarcode;
    context.WorkDate = date();
    data.IBDatabase1.setDatabaseName(database);
    data.IBDatabase1.open();
    data.IBTransaction1.start();
}

PrintJob::Contractor PrintJob::contractor()
{
    const QString gyoCode = required("--contractor");
    ConstructionSystem system(data.IBTransaction1, AppContext::Project());
    if (!system.LoadKoji(project()))
        throw PrintFailure(QStringLiteral("there is no project ") + project());
    for (const TreeEntry &entry : AppContext::Project().Tree())
        if (entry.GyoCode == gyoCode)
            return {gyoCode, entry.Caption, entry.Level};
    throw PrintFailure(
        QStringLiteral("contractor %1 is not in the construction system of project %2").arg(gyoCode, project()));
}
