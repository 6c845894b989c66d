#include "ArchiveCommands.h"

#include "LzhCommand.h"

#include <QDebug>

namespace sorvik::lzh {

namespace {

constexpr std::size_t kOutputSize = 1024;

ArchiverMessageHandler &messageHandler()
{
    static ArchiverMessageHandler handler = [](const QString &message) { qWarning().noquote() << message; };
    return handler;
}

bool run(const QString &commandLine)
{
    char output[kOutputSize] = {};
    const QByteArray line = commandLine.toUtf8();
    if (LzhCommand(nullptr, line.constData(), output, sizeof output) == 0)
        return true;
    messageHandler()(QString::fromUtf8(output));
    return false;
}

QString quoted(const QString &text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

}  // namespace

bool CreateArchive(const QString &archivePath, const QString &folder)
{
    return run(QStringLiteral("a -n -y -t ") + quoted(archivePath) + QLatin1Char(' ')
               + quoted(folder + QStringLiteral("\\*.*")));
}

bool ExtractArchive(const QString &archivePath, const QString &folder)
{
    return run(QStringLiteral("e -c -n -y ") + quoted(archivePath) + QLatin1Char(' ')
               + quoted(folder + QLatin1Char('\\')));
}

void setArchiverMessageHandler(ArchiverMessageHandler handler)
{
    messageHandler() = std::move(handler);
}

}  // namespace sorvik::lzh
