#include "SingleInstanceLock.h"

#include <QDir>
#include <unistd.h>

SingleInstanceLock::SingleInstanceLock(const QString &name)
{
    // The temporary folder is shared by all users, so the user id keeps the name personal.
    m_path = defaultFolder() + QLatin1Char('/') + name + QLatin1Char('-') + QString::number(getuid())
        + QStringLiteral(".lock");
}

SingleInstanceLock::~SingleInstanceLock()
{
    release();
}

QString SingleInstanceLock::defaultFolder()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QDir(runtime).exists())
        return runtime;
    return QDir::tempPath();
}

bool SingleInstanceLock::tryAcquire()
{
    if (m_lock)
        return true;
    auto lock = std::make_unique<QLockFile>(m_path);
    // Only a lock whose process has gone counts as stale, never one that is merely old.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0))
        return false;
    m_lock = std::move(lock);
    return true;
}

void SingleInstanceLock::release()
{
    if (m_lock) {
        m_lock->unlock();
        m_lock.reset();
    }
}
