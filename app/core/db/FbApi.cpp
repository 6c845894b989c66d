#include "FbApi.h"

#include "EngineLockFolder.h"

#include <QStringList>
#include <mutex>

namespace db::fb {

namespace {

std::atomic<bool> clientStarted{false};

}  // namespace

bool started()
{
    return clientStarted;
}

Firebird::IMaster *master()
{
    // The engine reads its lock folder when it starts; a program that did not choose one in
    // main() still gets the private one before the first call into the client library.
    static Firebird::IMaster *const instance = [] {
        std::string error;
        if (!sorvik::usePrivateEngineLockFolder(&error))
            throw Error(QStringLiteral("データベースエンジンのロックフォルダを用意できません: %1")
                            .arg(QString::fromStdString(error)));
        clientStarted = true;
        return Firebird::fb_get_master_interface();
    }();
    return instance;
}

Firebird::IUtil *util()
{
    return master()->getUtilInterface();
}

Firebird::IProvider *provider()
{
    static Firebird::IProvider *const instance = master()->getDispatcher();
    return instance;
}

Status::Status()
    : Firebird::ThrowStatusWrapper(master()->getStatus())
{
}

Status::~Status()
{
    dispose();
}

Error toError(const Firebird::FbException &failure)
{
    Firebird::IStatus *status = failure.getStatus();
    char buffer[4096];
    const unsigned length = util()->formatStatus(buffer, sizeof buffer - 1, status);
    buffer[qMin<unsigned>(length, sizeof buffer - 1)] = '\0';
    long gdsCode = 0;
    const intptr_t *errors = status->getErrors();
    if (errors && errors[0] == isc_arg_gds)
        gdsCode = long(errors[1]);
    return Error(QString::fromUtf8(buffer).trimmed(), gdsCode);
}

QByteArray toEngineText(const QString &text)
{
    return text.toUtf8();
}

std::atomic<int> &abandonedCalls()
{
    static std::atomic<int> count{0};
    return count;
}

std::atomic<bool> &stopping()
{
    static std::atomic<bool> flag{false};
    return flag;
}

void throwIfStopping()
{
    if (stopping())
        throw Error(QStringLiteral("Stopped: the program is ending."));
}

std::function<void()> &firstConnectionAction()
{
    static std::function<void()> action;
    return action;
}

void noteConnected()
{
    static std::once_flag once;
    std::call_once(once, [] {
        if (firstConnectionAction())
            firstConnectionAction()();
    });
}

}  // namespace db::fb
