#include "SmallFileRead.h"

#include <QFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

SmallFileRead refused(const QString &problem)
{
    SmallFileRead result;
    result.outcome = SmallFileRead::Outcome::Refused;
    result.problem = problem;
    return result;
}

QString systemReason()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

}  // namespace

SmallFileRead SmallFileRead::read(const QString &path, qint64 maximumSize)
{
    const QByteArray name = QFile::encodeName(path);
    // Non-blocking, so that a pipe put in the file's place cannot hold the program at open.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        if (errno == ENOENT)
            return {};
        return refused(QStringLiteral("読めません（%1）").arg(systemReason()));
    }
    struct stat st
    {
    };
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return refused(QStringLiteral("通常のファイルではありません"));
    }
    SmallFileRead result;
    result.outcome = Outcome::Read;
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            const QString reason = systemReason();
            ::close(fd);
            return refused(QStringLiteral("読めません（%1）").arg(reason));
        }
        if (got == 0)
            break;
        if (result.bytes.size() + got > maximumSize) {
            ::close(fd);
            return refused(QStringLiteral("大きすぎます（上限 %1 バイト）").arg(maximumSize));
        }
        result.bytes.append(buffer, got);
    }
    ::close(fd);
    return result;
}
