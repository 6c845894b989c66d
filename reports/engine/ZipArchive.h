#pragma once

#include <QByteArray>
#include <QString>
#include <map>
#include <vector>

namespace celvane {

// The zip container of a workbook, read whole into memory or written in one go.
//
// Reading is bounded: a part may unpack to at most kLargestPart bytes, all parts together to
// kLargestTotal, and a package holds at most kMostParts parts. Real workbooks stay far
// below; a file beyond them is damaged or built to exhaust memory, and is refused before
// anything is unpacked.
class ZipArchive
{
public:
    struct Entry
    {
        QString path;
        QByteArray bytes;
        bool compress = true;
    };

    static constexpr qint64 kLargestPart = 256ll * 1024 * 1024;
    static constexpr qint64 kLargestTotal = 512ll * 1024 * 1024;
    static constexpr qint64 kMostParts = 10000;

    // Throws CelvaneError with a readable reason when the file is not a readable zip.
    static std::map<QString, QByteArray> read(const QString &fileName);
    // The same for a package already in memory; the name is for messages.
    static std::map<QString, QByteArray> read(const QByteArray &bytes, const QString &name);
    // The package as bytes, every part compressed unless it asks to be stored.
    static QByteArray pack(const std::vector<Entry> &entries, const QString &name);
    // Writes the whole package or nothing (see OutputFile); throws CelvaneError.
    static void write(const QString &fileName, const std::vector<Entry> &entries);
};

}  // namespace celvane
