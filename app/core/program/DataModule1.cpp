#include "DataModule1.h"

#include "AppContext.h"
#include "SiteLookups.h"
#include "data/SqlStatement.h"
#include "db/ConnectTimeout.h"
#include "startup/StartupMessages.h"
#include "system/SystemInfo.h"
#include "config/ConfigKeys.h"
#include "config/IniFile.h"
#include "data/ImageStore.h"
#include "messages/MessageService.h"
#include "records/ContractorRules.h"
#include "schema/GyosyaUpgrade.h"
#include "schema/SchemaRepair.h"

#include <QDir>
#include <QSettings>

namespace {

TDataModule1 *theInstance = nullptr;

QString withTrailingSlash(const QString &folder)
{
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

QVariant code(const QString &text)
{
    return CodeParam(text);
}

}  // namespace

TDataModule1::TDataModule1()
{
    theInstance = this;
}

TDataModule1::~TDataModule1()
{
    if (AppContext::instance().IniFile == iniFile.get())
        AppContext::instance().IniFile = nullptr;
    iniFile.reset();
    IBDatabase1.close();
    if (theInstance == this)
        theInstance = nullptr;
}

TDataModule1 *TDataModule1::instance()
{
    return theInstance;
}

bool TDataModule1::start(const QString &appDir)
{
    AppContext &context = AppContext::instance();
    context.AppDir = withTrailingSlash(appDir);
    iniFile = std::make_unique<IniFile>(context.AppDir + QStringLiteral("sorvik.ini"));
    context.IniFile = iniFile.get();

    IBDatabase1.close();
    const QString dbpc = Config::read(*iniFile, Config::DbPc);
    const QString dbname = iniFile->readString(QLatin1String(Config::DbName.section), QLatin1String(Config::DbName.key),
                                               Config::DefaultDbName());
    IBDatabase1.setDatabaseName(dbpc + dbname);

    const QString imageRoot = iniFile->readString(QLatin1String(Config::ImageRoot.section),
                                                  QLatin1String(Config::ImageRoot.key), context.AppDir);
    context.ImageRoot = withTrailingSlash(imageRoot);
    QDir().mkpath(context.ImageRoot + QStringLiteral("image"));
    loadContext();

    if (!connect())
        return false;
    Config::write(*iniFile, Config::DbPc, dbpc);
    Config::write(*iniFile, Config::DbName, dbname);

    if (!checkNotVersion04())
        return false;
    upgradeAndRecord();
    repairSchema();
    return true;
}

void TDataModule1::repairSchema()
{
    try {
        RepairSchema(IBDatabase1, IBTransaction1);
    } catch (const db::Error &error) {
        MessageService::current().error(StartupMessages::RepairFailed + error.message());
    }
}

bool TDataModule1::connect()
{
    try {
        IBDatabase1.open();
        IBTransaction1.start();
        return true;
    } catch (const db::ConnectTimeout &timeout) {
        // Not a wrong setting: the engine did not answer, and the message says where to look.
        MessageService::current().error(StartupMessages::ConnectFailed + QStringLiteral("\n\n") + timeout.message());
        IBDatabase1.close();
        return false;
    } catch (const db::Error &) {
        MessageService::current().error(StartupMessages::ConnectFailed);
        IBDatabase1.close();
        return false;
    }
}

bool TDataModule1::checkNotVersion04()
{
    bool hasCarry = false;
    try {
        hasCarry = IBDatabase1.tableNames().contains(QLatin1String("CARRY"), Qt::CaseInsensitive);
    } catch (const db::Error &) {
        // A connection that cannot even list its tables is no usable Sorvik database.
    }
    if (hasCarry)
        return true;
    MessageService::current().error(StartupMessages::Version04);
    IBDatabase1.close();
    return false;
}

void TDataModule1::upgradeAndRecord()
{
    try {
        if (!IBDatabase1.fieldNames(QStringLiteral("gyosya"))
                 .contains(QLatin1String(UpgradeMarkerColumn), Qt::CaseInsensitive))
            upgradeGyosya();
        writeInstallationRecord();
    } catch (const std::exception &) {
        try {
            IBTransaction1.rollbackRetaining();
        } catch (const db::Error &) {
            // The message below already tells the user that the database was not updated.
        }
        MessageService::current().error(StartupMessages::UpgradeFailed);
    }
}

void TDataModule1::upgradeGyosya()
{
    for (const QString &statement : GyosyaUpgradeStatements()) {
        IBQuery1.setSql(statement);
        IBQuery1.exec();
    }
    IBQuery1.close();
    IBTransaction1.commitRetaining();
}

void TDataModule1::writeInstallationRecord()
{
    const AppContext &context = AppContext::instance();
    QSettings settings(QStringLiteral("Quandor"), QStringLiteral("SORVIKN"));
    settings.beginGroup(QStringLiteral("System"));
    settings.setValue(QStringLiteral("InstallPath"), context.AppDir);
    settings.setValue(QStringLiteral("DBPC"), Config::read(*iniFile, Config::DbPc));
    settings.setValue(QStringLiteral("DBPath"),
                      iniFile->readString(QLatin1String(Config::DbName.section), QLatin1String(Config::DbName.key),
                                          Config::DefaultDbName()));
    settings.setValue(QStringLiteral("Version"), GetVersionString(ProgramFilePath(), 3));
    settings.endGroup();
    settings.sync();
    if (settings.status() != QSettings::NoError)
        throw std::runtime_error("the installation record could not be written");
}

void TDataModule1::loadContext()
{
    AppContext &context = AppContext::instance();
    context.CompanyName = Config::read(*iniFile, Config::CompanyName);
    context.UseBarcode = Config::read(*iniFile, Config::BarCode);
    context.ChartRows = Config::read(*iniFile, Config::ChartRows);
    context.ChartCols = Config::read(*iniFile, Config::ChartCols);
    context.ChartGRows = Config::read(*iniFile, Config::ChartGRows);
}

bool TDataModule1::GetContractorItem(const QString &kojiCode, const QString &gyoCode, const QString &column,
                                     const QString &date, QString &value)
{
    return SiteLookups(IBTransaction1).GetContractorItem(kojiCode, gyoCode, column, date, value);
}

bool TDataModule1::GetWorkerItem(const QString &kojiCode, const QString &gyoCode, const QString &workerCode,
                                 const QString &column, const QString &date, QString &value)
{
    return SiteLookups(IBTransaction1).GetWorkerItem(kojiCode, gyoCode, workerCode, column, date, value);
}

bool TDataModule1::GetPrimeContractorItem(int kind, const QString &date, const QString &kojiCode, QString &value)
{
    return SiteLookups(IBTransaction1).GetPrimeContractorItem(kind, date, kojiCode, value);
}

QString TDataModule1::NextWorkerCode(const QString &kojiCode, const QString &gyoCode)
{
    db::Query query(IBTransaction1);
    SetStatement(query,
                 {QStringLiteral("Select MAX(INCD) as MI from SAGYOIN where KJCD = ? and GYOCD = ?"),
                  {code(kojiCode), code(gyoCode)}});
    query.open();
    const qint64 largest = query.eof() ? 0 : query.field(QStringLiteral("MI")).asInt64();
    return QString::number(largest + 1);
}

bool TDataModule1::hasRow(const QString &sql, const QVariantList &params)
{
    db::Query query(IBTransaction1);
    SetStatement(query, {sql, params});
    query.open();
    return !query.eof();
}

bool TDataModule1::WorkerHasDailyRecords(const QString &kojiCode, const QString &gyoCode, const QString &workerCode)
{
    return hasRow(QStringLiteral("Select INCD from DEZURA where KJCD = ? and GYOCD = ? and INCD = ?"),
                  {code(kojiCode), code(gyoCode), code(workerCode)});
}

bool TDataModule1::VehicleHasDailyRecords(const QString &kojiCode, const QString &gyoCode, const QString &vehicleCode)
{
    return hasRow(QStringLiteral("Select CRCD from D_CARRY where KJCD = ? and GYOCD = ? and CRCD = ?"),
                  {code(kojiCode), code(gyoCode), code(vehicleCode)});
}

bool TDataModule1::ContractorIsInUse(const QString &kojiCode, const QString &gyoCode)
{
    return ContractorRules::IsInUse(IBTransaction1, kojiCode, gyoCode);
}

QString TDataModule1::GetFirstTierName(const QString &kojiCode, const QString &gyoCode)
{
    return SiteLookups(IBTransaction1).GetFirstTierName(kojiCode, gyoCode);
}

QString TDataModule1::StoreImageFile(int kind, const QString &path)
{
    return ImageStore(IBTransaction1).StoreImageFile(kind, path);
}

bool TDataModule1::FetchImageFile(const QString &fileName, const QString &folder)
{
    return ImageStore(IBTransaction1).FetchImageFile(fileName, folder);
}
