#include "NewDatabaseFile.h"

#include "Database.h"
#include "Error.h"

#include <QDir>
#include <QFileInfo>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace db {

namespace {

const QLatin1String BuildSuffix(".building-");

QString systemError(const QString &what, const QString &path)
{
    return QStringLiteral("%1 %2: %3").arg(what, path, QString::fromLocal8Bit(std::strerror(errno)));
}

void syncPath(const QString &path, int flags)
{
    const int fd = ::open(QFile::encodeName(path).constData(), flags | O_CLOEXEC);
    if (fd < 0)
        throw Error(systemError(QStringLiteral("Cannot open"), path));
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    if (!synced)
        throw Error(systemError(QStringLiteral("Cannot flush"), path));
}

// rename() that never replaces: the target may have appeared since the build began.
void renameWithoutReplacing(const QString &from, const QString &to)
{
    const QByteArray source = QFile::encodeName(from);
    const QByteArray target = QFile::encodeName(to);
    if (::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) == 0)
        return;
    if (errno == EINVAL || errno == ENOSYS) {
        // A file system without the flag: a hard link fails just the same on an existing name.
        if (::link(source.constData(), target.constData()) == 0) {
            ::unlink(source.constData());
            return;
        }
    }
    if (errno == EEXIST)
        throw Error(QStringLiteral("The database file already exists: %1").arg(to));
    throw Error(systemError(QStringLiteral("Cannot rename the new database to"), to));
}

bool processIsGone(qint64 pid)
{
    return pid > 0 && ::kill(pid_t(pid), 0) != 0 && errno == ESRCH;
}

}  // namespace

NewDatabaseFile::NewDatabaseFile(QString target)
    : m_target(std::move(target))
    , m_server(Database::isServerName(m_target))
{
    if (m_server) {
        m_build = m_target;
        return;
    }
    const QFileInfo info(m_target);
    if (info.exists() || info.isSymLink())
        throw Error(QStringLiteral("The database file already exists: %1").arg(m_target));
    if (!info.absoluteDir().exists())
        throw Error(QStringLiteral("The folder of %1 does not exist").arg(m_target));
    removeStaleBuilds();
    m_build = info.absoluteFilePath() + BuildSuffix + QString::number(::getpid());
}

NewDatabaseFile::~NewDatabaseFile()
{
    if (m_created && !m_finished)
        discard();
}

void NewDatabaseFile::create(const ConnectionParams &params)
{
    m_params = params;
    Database::create(m_build, params);
    m_created = true;
}

QString NewDatabaseFile::buildPattern(const QString &target)
{
    return QFileInfo(target).fileName() + BuildSuffix + QLatin1Char('*');
}

void NewDatabaseFile::finish()
{
    if (!m_server) {
        syncPath(m_build, O_RDONLY);
        renameWithoutReplacing(m_build, m_target);
        syncPath(QFileInfo(m_target).absolutePath(), O_RDONLY | O_DIRECTORY);
    }
    m_finished = true;
}

void NewDatabaseFile::removeStaleBuilds() const
{
    const QFileInfo info(m_target);
    const QDir folder = info.absoluteDir();
    const QString prefix = info.fileName() + BuildSuffix;
    for (const QFileInfo &stale :
         folder.entryInfoList({buildPattern(m_target)}, QDir::Files | QDir::Hidden | QDir::System)) {
        bool isNumber = false;
        const qint64 pid = stale.fileName().mid(prefix.size()).toLongLong(&isNumber);
        if (isNumber && !stale.isSymLink() && stale.ownerId() == ::getuid() && processIsGone(pid))
            QFile::remove(stale.absoluteFilePath());
    }
}

void NewDatabaseFile::discard()
{
    if (!m_server) {
        QFile::remove(m_build);
        return;
    }
    try {
        Database database;
        database.setDatabaseName(m_build);
        database.setParams(m_params);
        database.open();
        database.drop();
    } catch (const Error &) {
        // The build never came into being, or the server is gone; nothing more can be done.
    }
}

}  // namespace db
