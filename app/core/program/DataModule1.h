#pragma once

#include "db/Database.h"
#include "db/Query.h"
#include "db/Transaction.h"

#include <QString>
#include <memory>

class IniFile;

// The data module: the program's one connection, its one transaction, the shared scratch
// query and the lookups every window uses. It is created before the main window and
// lives until the program ends; TDataModule1::instance() reaches it from anywhere.
class TDataModule1
{
public:
    TDataModule1();
    ~TDataModule1();  // frees the configuration and closes the connection
    TDataModule1(const TDataModule1 &) = delete;
    TDataModule1 &operator=(const TDataModule1 &) = delete;

    static TDataModule1 *instance();

    // The start sequence. `appDir` is the program's folder. Returns false when the program
    // must end (no connection, or a 0.4 database); the user has been told why. A failed
    // upgrade is reported but still returns true: the program goes on with the old layout.
    bool start(const QString &appDir);

    db::Database IBDatabase1;
    db::Transaction IBTransaction1{IBDatabase1};
    db::Query IBQuery1{IBTransaction1};
    std::unique_ptr<IniFile> iniFile;

    // The lookups of SiteLookups on the program's transaction.
    bool GetContractorItem(const QString &kojiCode, const QString &gyoCode, const QString &column, const QString &date,
                           QString &value);
    bool GetWorkerItem(const QString &kojiCode, const QString &gyoCode, const QString &workerCode,
                       const QString &column, const QString &date, QString &value);
    bool GetPrimeContractorItem(int kind, const QString &date, const QString &kojiCode, QString &value);

    QString NextWorkerCode(const QString &kojiCode, const QString &gyoCode);
    bool WorkerHasDailyRecords(const QString &kojiCode, const QString &gyoCode, const QString &workerCode);
    bool VehicleHasDailyRecords(const QString &kojiCode, const QString &gyoCode, const QString &vehicleCode);
    // Whether anything of the project refers to the contractor (ContractorRules::IsInUse).
    bool ContractorIsInUse(const QString &kojiCode, const QString &gyoCode);
    QString GetFirstTierName(const QString &kojiCode, const QString &gyoCode);

    // The image store on the shared transaction (see data/ImageStore.h).
    QString StoreImageFile(int kind, const QString &path);
    bool FetchImageFile(const QString &fileName, const QString &folder);

private:
    bool connect();
    bool checkNotVersion04();
    void upgradeAndRecord();
    void repairSchema();
    void upgradeGyosya();
    void writeInstallationRecord();
    void loadContext();
    bool hasRow(const QString &sql, const QVariantList &params);
};
