#include "ExchangeCommands.h"

#include "program/AppContext.h"
#include "program/DataModule1.h"
#include "NextProjectCode.h"
#include "PackageFiles.h"
#include "data/QueryDataSet.h"
#include "messages/MessageService.h"

namespace sorvik::package {

ExchangeCommands::ExchangeCommands(TDataModule1 &data, PackageDialogs &dialogs)
    : m_data(data)
    , m_dialogs(dialogs)
    , m_exchange(data, dialogs)
    , m_roster(m_exchange, data)
{
}

bool ExchangeCommands::exportRecord(int kind, DataSet &record, const QString &name)
{
    const QString file = m_dialogs.chooseSaveFile(recordExportRequest(kind, name, QDate::currentDate()));
    return !file.isEmpty() && m_exchange.ExportTable(file, kind, record);
}

bool ExchangeCommands::importRecord(int kind, DataSet &editor, const QString &gyoCode)
{
    const QString file = m_dialogs.chooseOpenFile(recordImportRequest(kind));
    if (file.isEmpty())
        return false;
    AppContext::instance().ImportGyoCode = gyoCode;
    return m_exchange.ImportTable(file, kind, &editor);
}

bool ExchangeCommands::exportRoster(const QString &kojiCode, const QString &gyoCode, const QString &contractorName)
{
    const QString file = m_dialogs.chooseSaveFile(rosterExportRequest(contractorName, QDate::currentDate()));
    return !file.isEmpty() && m_roster.Export(file, kojiCode, gyoCode);
}

bool ExchangeCommands::importRoster(const QString &gyoCode, const QString &contractorName,
                                    const std::function<void()> &afterWorkers)
{
    const QString file = m_dialogs.chooseOpenFile(rosterImportRequest(contractorName));
    return !file.isEmpty() && m_roster.Import(file, gyoCode, contractorName, afterWorkers);
}

bool ExchangeCommands::exportStaff()
{
    return exportQuery(staffExportRequest(AppContext::instance().CompanyName), 3,
                       QStringLiteral("Select * from SHOKU"));
}

bool ExchangeCommands::exportNames()
{
    return exportQuery(namesExportRequest(AppContext::instance().CompanyName), 4, QStringLiteral("Select * from EDUC"));
}

bool ExchangeCommands::exportQuery(const FileRequest &request, int kind, const QString &sql)
{
    const QString file = m_dialogs.chooseSaveFile(request);
    if (file.isEmpty())
        return false;
    QueryDataSet rows(m_data.IBTransaction1);
    rows.SetSQL(sql);
    rows.Open();
    return m_exchange.ExportTable(file, kind, rows);
}

bool ExchangeCommands::importStaff()
{
    const QString file = m_dialogs.chooseOpenFile(staffImportRequest());
    return !file.isEmpty() && m_exchange.ImportTable(file, 3);
}

bool ExchangeCommands::importNames()
{
    const QString file = m_dialogs.chooseOpenFile(namesImportRequest());
    return !file.isEmpty() && m_exchange.ImportTable(file, 4);
}

bool ExchangeCommands::unloadUnit()
{
    const AppContext &context = AppContext::instance();
    const QString file = m_dialogs.chooseSaveFile(unitUnloadRequest(context.Project().CurKojiName()));
    return !file.isEmpty() && m_exchange.UnloadUnit(context.Project().CurKojiCode(), file);
}

QString ExchangeCommands::loadNewUnit(const std::function<void(const QString &)> &makeCurrent)
{
    const QString file = m_dialogs.chooseOpenFile(unitLoadRequest());
    if (file.isEmpty())
        return {};
    const QString code = nextProjectCode(m_data.IBTransaction1);
    if (!m_exchange.LoadUnit(code, file))
        return {};
    if (makeCurrent)
        makeCurrent(code);
    MessageService::current().information(kUnitLoadedMessage);
    return code;
}

}  // namespace sorvik::package
