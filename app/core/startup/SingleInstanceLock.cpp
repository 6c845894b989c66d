#include "SingleInstanceLock.h"

#include "PrivateFolder.h"

SingleInstanceLock::SingleInstanceLock(const QString &name)
{
    const QString folder = defaultFolder(&m_error);
    if (!folder.isEmpty())
        m_path = folder + QLatin1Char('/') + name + QStringLiteral(".lock");
}

SingleInstanceLock::~SingleInstanceLock()
{
    release();
}

QString SingleInstanceLock::defaultFolder(QString *error)
{
    std::string reason;
    const std::string folder = sorvik::userPrivateFolder(&reason);
    if (error)
        *error = QString::fromStdString(reason);
    return QString::fromStdString(folder);
}

bool SingleInstanceLock::tryAcquire()
{
    if (m_lock)
        return true;
    if (m_path.isEmpty())
        return false;
    auto lock = std::make_unique<QLockFile>(m_path);
    // Only a lock whose process has gone counts as stale, never one that is merely old.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0)) {
        if (lock->error() != QLockFile::LockFailedError)
            m_error = QStringLiteral("%1 を作れません").arg(m_path);
        return false;
    }
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
