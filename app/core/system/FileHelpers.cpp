#include "FileHelpers.h"

#include <QDir>
#include <QFile>

bool ClearFolder(const QString &folder)
{
    QDir dir(folder);
    if (folder.isEmpty() || !dir.exists())
        return false;
    bool all = true;
    const QStringList files = dir.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &name : files)
        all = QFile::remove(dir.filePath(name)) && all;
    return all;
}
