#include "PackageFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace sorvik::package {

PackageFolder::PackageFolder(const QString &folder)
    : m_folder(folder)
{
    const QFileInfoList files = QDir(folder).entryInfoList(QDir::Files | QDir::Hidden | QDir::NoSymLinks, QDir::Name);
    for (const QFileInfo &file : files) {
        if (file.isFile() && !file.isSymLink())
            m_paths.insert(file.fileName().toUpper(), file.filePath());
    }
}

std::optional<QByteArray> PackageFolder::read(const QString &name) const
{
    const QString filePath = path(name);
    if (filePath.isEmpty())
        return std::nullopt;
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

}  // namespace sorvik::package
