#pragma once

#include "ConnectionParams.h"
#include "Error.h"

#include <QString>
#include <functional>

namespace Firebird {
class IService;
}

namespace db {

// A connection to the engine's service manager, for backing up and restoring a whole
// database. Backup and restore are verbose: every line the service writes goes to the
// LineHandler as it arrives, and the call returns when the service has finished.
class ServiceManager
{
public:
    using LineHandler = std::function<void(const QString &line)>;

    struct BackupOptions
    {
        bool ignoreLimbo = false;
        bool nonTransportable = false;
    };
    struct RestoreOptions
    {
        bool replace = false;
        int pageSize = 0;  // 0 keeps the page size of the backup
    };

    explicit ServiceManager(ConnectionParams params = {});
    ~ServiceManager();
    ServiceManager(const ServiceManager &) = delete;
    ServiceManager &operator=(const ServiceManager &) = delete;

    // An empty host reaches the embedded engine of this process; "localhost" or a machine
    // name reaches a server.
    void attach(const QString &host);
    void detach();
    bool isAttached() const { return m_service != nullptr; }

    void backup(const QString &database, const QString &backupFile, const BackupOptions &options,
                const LineHandler &onLine);
    void restore(const QString &backupFile, const QString &database, const RestoreOptions &options,
                 const LineHandler &onLine);

private:
    void start(const QByteArray &request);
    void readOutput(const LineHandler &onLine);
    void awaitServiceThreads();

    ConnectionParams m_params;
    Firebird::IService *m_service = nullptr;
    int m_threadsBeforeStart = -1;  // the process's threads before the first service started
};

}  // namespace db
