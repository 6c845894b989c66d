#include "EngineInitLockHolder.h"

#include "EngineLockFolder.h"
#include "db/EngineControl.h"

#include <QElapsedTimer>
#include <QThread>
#include <fcntl.h>
#include <stdexcept>
#include <string>
#include <sys/file.h>
#include <unistd.h>

EngineInitLockHolder::EngineInitLockHolder()
{
    const std::string folder = sorvik::engineLockFolder();
    if (folder.empty())
        throw std::runtime_error("the engine has no lock folder of its own");
    m_fd = ::open((folder + "/fb_init").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0660);
    if (m_fd < 0 || ::flock(m_fd, LOCK_EX) != 0)
        throw std::runtime_error("cannot hold the engine's lock in " + folder);
}

EngineInitLockHolder::~EngineInitLockHolder()
{
    ::flock(m_fd, LOCK_UN);
    ::close(m_fd);
}

bool EngineInitLockHolder::awaitAbandonedCalls()
{
    QElapsedTimer waited;
    waited.start();
    while (db::abandonedCallRunning() && waited.elapsed() < 20000)
        QThread::msleep(10);
    return !db::abandonedCallRunning();
}
