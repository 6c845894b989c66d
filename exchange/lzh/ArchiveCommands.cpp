#include "ArchiveCommands.h"

#include "ArchiveOperations.h"

#include <QDebug>

namespace sorvik::lzh {

namespace {

ArchiverMessageHandler &messageHandler()
{
    static ArchiverMessageHandler handler = [](const QString &message) { qWarning().noquote() << message; };
    return handler;
}

bool reported(const ArchiverResult &result)
{
    if (!result.ok())
        messageHandler()(QString::fromStdString(result.message));
    return result.ok();
}

std::filesystem::path pathOf(const QString &path)
{
    return std::filesystem::path(path.toStdString());
}

}  // namespace

bool CreateArchive(const QString &archivePath, const QString &folder, Durability durability)
{
    return reported(guarded([&] { return packFiles(pathOf(archivePath), folder.toStdString(), durability); },
                            archivePath.toStdString()));
}

bool ExtractArchive(const QString &archivePath, const QString &folder, Durability durability)
{
    return reported(guarded([&] { return unpackArchive(pathOf(archivePath), folder.toStdString(), durability); },
                            archivePath.toStdString()));
}

void setArchiverMessageHandler(ArchiverMessageHandler handler)
{
    messageHandler() = std::move(handler);
}

}  // namespace sorvik::lzh
