#pragma once

#include <QByteArray>
#include <QString>
#include <map>
#include <vector>

namespace celvane {

// The zip container of a workbook, read whole into memory or written in one go.
class ZipArchive
{
public:
    struct Entry
    {
        QString path;
        QByteArray bytes;
        bool compress = true;
    };

    // Throws CelvaneError with a readable reason when the file is not a readable zip.
    static std::map<QString, QByteArray> read(const QString &fileName);
    // Writes beside the target and renames at the end, so a failure keeps the old file.
    static void write(const QString &fileName, const std::vector<Entry> &entries);
};

}  // namespace celvane
