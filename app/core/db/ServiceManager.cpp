#include "ServiceManager.h"

#include "FbApi.h"
#include "TimeLimitedOpen.h"

#include <QDir>
#include <QThread>
#include <QElapsedTimer>

#include <fcntl.h>
#include <unistd.h>

namespace db {

namespace {

// Builds a service parameter block of the given kind with `fill` and returns its bytes.
template<typename Fill> QByteArray serviceBlock(unsigned kind, Fill &&fill)
{
    fb::Status status;
    Firebird::IXpbBuilder *builder = fb::util()->getXpbBuilder(&status, kind, nullptr, 0);
    try {
        fill(status, builder);
        QByteArray block(reinterpret_cast<const char *>(builder->getBuffer(&status)),
                         int(builder->getBufferLength(&status)));
        builder->dispose();
        return block;
    } catch (...) {
        builder->dispose();
        throw;
    }
}

// The embedded engine's restore asks for the next volume of a backup that ends early on
// the process's own standard input, and waits there for an answer; a program started from
// a terminal would hang. While a restore runs, standard input reads as empty, so the
// question ends the restore with the engine's error at once.
class StandardInputClosed
{
public:
    StandardInputClosed()
        : m_saved(::dup(STDIN_FILENO))
    {
        const int empty = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
        if (empty >= 0) {
            ::dup2(empty, STDIN_FILENO);
            ::close(empty);
        }
    }
    ~StandardInputClosed()
    {
        if (m_saved >= 0) {
            ::dup2(m_saved, STDIN_FILENO);
            ::close(m_saved);
        }
    }
    StandardInputClosed(const StandardInputClosed &) = delete;
    StandardInputClosed &operator=(const StandardInputClosed &) = delete;

private:
    int m_saved;
};

int threadCount()
{
    return int(QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size());
}

}  // namespace

ServiceManager::ServiceManager(ConnectionParams params)
    : m_params(std::move(params))
{
}

ServiceManager::~ServiceManager()
{
    detach();
}

void ServiceManager::attach(const QString &host)
{
    detach();
    const QString name = host.isEmpty() ? QStringLiteral("service_mgr") : host + QStringLiteral(":service_mgr");
    const QByteArray spb = fb::guarded([&] {
        return serviceBlock(Firebird::IXpbBuilder::SPB_ATTACH, [&](fb::Status &status, Firebird::IXpbBuilder *b) {
            b->insertString(&status, isc_spb_user_name, fb::toEngineText(m_params.userName).constData());
            b->insertString(&status, isc_spb_password, fb::toEngineText(m_params.password).constData());
            if (m_params.connectTimeLimitSeconds() > 0 && !host.isEmpty())
                b->insertInt(&status, isc_spb_connect_timeout, m_params.connectTimeLimitSeconds());
        });
    });
    const QByteArray engineName = fb::toEngineText(name);
    m_service = fb::openWithin<Firebird::IService>(m_params.connectTimeLimit, name, [spb, engineName] {
        fb::Status status;
        return fb::provider()->attachServiceManager(&status, engineName.constData(), unsigned(spb.size()),
                                                    reinterpret_cast<const unsigned char *>(spb.constData()));
    });
}

void ServiceManager::detach()
{
    if (!m_service)
        return;
    try {
        fb::Status status;
        m_service->detach(&status);
        m_service = nullptr;
    } catch (const Firebird::FbException &) {
        fb::release(m_service);
    }
    awaitServiceThreads();
}

void ServiceManager::awaitServiceThreads()
{
    // The embedded engine runs each service on a thread that ends only after the detach,
    // on its own time. A process that exits meanwhile unloads the engine under that
    // thread and crashes; so the detach waits for it, a few milliseconds as a rule.
    if (m_threadsBeforeStart < 0)
        return;
    QElapsedTimer waited;
    waited.start();
    while (threadCount() > m_threadsBeforeStart && waited.elapsed() < 2000)
        QThread::msleep(1);
    m_threadsBeforeStart = -1;
}

void ServiceManager::backup(const QString &database, const QString &backupFile, const BackupOptions &options,
                            const LineHandler &onLine)
{
    fb::guarded([&] {
        start(serviceBlock(Firebird::IXpbBuilder::SPB_START, [&](fb::Status &status, Firebird::IXpbBuilder *b) {
            b->insertTag(&status, isc_action_svc_backup);
            b->insertString(&status, isc_spb_dbname, fb::toEngineText(database).constData());
            b->insertString(&status, isc_spb_bkp_file, fb::toEngineText(backupFile).constData());
            b->insertTag(&status, isc_spb_verbose);
            int flags = 0;
            if (options.ignoreLimbo)
                flags |= isc_spb_bkp_ignore_limbo;
            if (options.nonTransportable)
                flags |= isc_spb_bkp_non_transportable;
            if (flags)
                b->insertInt(&status, isc_spb_options, flags);
        }));
    });
    readOutput(onLine);
}

void ServiceManager::restore(const QString &backupFile, const QString &database, const RestoreOptions &options,
                             const LineHandler &onLine)
{
    const StandardInputClosed noAnswers;
    fb::guarded([&] {
        start(serviceBlock(Firebird::IXpbBuilder::SPB_START, [&](fb::Status &status, Firebird::IXpbBuilder *b) {
            b->insertTag(&status, isc_action_svc_restore);
            b->insertString(&status, isc_spb_bkp_file, fb::toEngineText(backupFile).constData());
            b->insertString(&status, isc_spb_dbname, fb::toEngineText(database).constData());
            b->insertTag(&status, isc_spb_verbose);
            b->insertInt(&status, isc_spb_options, options.replace ? isc_spb_res_replace : isc_spb_res_create);
            if (options.pageSize > 0)
                b->insertInt(&status, isc_spb_res_page_size, options.pageSize);
        }));
    });
    readOutput(onLine);
}

void ServiceManager::start(const QByteArray &request)
{
    if (!m_service)
        throw Error(QStringLiteral("The service manager is not attached."));
    if (m_threadsBeforeStart < 0)
        m_threadsBeforeStart = threadCount();
    fb::Status status;
    m_service->start(&status, unsigned(request.size()), reinterpret_cast<const unsigned char *>(request.constData()));
}

void ServiceManager::readOutput(const LineHandler &onLine)
{
    const unsigned char items[] = {isc_info_svc_line};
    unsigned char buffer[16384];
    fb::guarded([&] {
        for (;;) {
            fb::Status status;
            m_service->query(&status, 0, nullptr, sizeof items, items, sizeof buffer, buffer);
            const unsigned char *p = buffer;
            if (*p != isc_info_svc_line)
                return;  // isc_info_end or truncated: nothing more to read
            ++p;
            const int length = p[0] | (p[1] << 8);
            p += 2;
            if (length == 0)
                return;  // the service has finished
            if (onLine)
                onLine(QString::fromUtf8(reinterpret_cast<const char *>(p), length));
        }
    });
}

}  // namespace db
