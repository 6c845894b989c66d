// The configuration file as a hostile site might leave it: any bytes at all. Reading must
// never crash; writing one key must leave every other line byte for byte as it was (one
// line replaced or up to two added, a last line without its end given one), or, for a
// file the program may not rewrite, leave the file untouched.
#include "config/IniFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// The file's lines with their own line ends, as the configuration keeps them.
std::vector<QByteArray> linesOf(const QByteArray &bytes)
{
    std::vector<QByteArray> lines;
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype stop = start;
        while (stop < bytes.size() && bytes[stop] != '\r' && bytes[stop] != '\n')
            ++stop;
        if (stop < bytes.size())
            stop += bytes[stop] == '\r' && stop + 1 < bytes.size() && bytes[stop + 1] == '\n' ? 2 : 1;
        lines.push_back(bytes.mid(start, stop - start));
        start = stop;
    }
    return lines;
}

bool sameLine(const QByteArray &original, const QByteArray &now, bool last)
{
    // Only the file's last line may have gained a line end, because a line followed it.
    return now == original
        || (last && !original.endsWith('\n') && !original.endsWith('\r') && now == original + "\r\n");
}

// Lines i… of the original file and j… of the new one are the same.
bool sameTail(const std::vector<QByteArray> &original, size_t i, const std::vector<QByteArray> &now, size_t j)
{
    if (original.size() - i != now.size() - j)
        return false;
    for (; i < original.size(); ++i, ++j) {
        if (!sameLine(original[i], now[j], i + 1 == original.size()))
            return false;
    }
    return true;
}

// The new file is the original with one line replaced (the key's), or with one or two
// lines added (the key's and its section's header) in one place.
bool keepsOtherLines(const QByteArray &before, const QByteArray &after)
{
    const std::vector<QByteArray> original = linesOf(before);
    const std::vector<QByteArray> now = linesOf(after);
    size_t same = 0;
    while (same < original.size() && same < now.size()
           && sameLine(original[same], now[same], same + 1 == original.size()))
        ++same;
    if (same == original.size())
        return now.size() - original.size() <= 2;
    return sameTail(original, same + 1, now, same + 1) || sameTail(original, same, now, same + 1)
        || sameTail(original, same, now, same + 2);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        std::abort();
    return file.readAll();
}

}  // namespace

extern "C" void SorvikFuzzSeeds(std::vector<std::string> &seeds)
{
    seeds.push_back("[system]\r\ndbpc=\r\ndbName=/x/sorvik.fdb\r\n[data]\r\nOLD=065\r\nkojicode=3\r\n");
    seeds.push_back(
        "; comment\r\n[TAIKEI]\r\nROWS=4\r\nCOLS=08\r\n[data]\r\nremark1=\x88\xc0\x91\x53\x91\xe6\x88\xea\r\n");
    seeds.push_back("[a]\nb\n=c\n[\n]\r\r\n[data\nkey==value\n");
    // Saved as UTF-8 by a Linux editor: not CP932, so never rewritten.
    seeds.push_back("[data]\nremark1=安全第一・ご安全に！\nkojicode=2");
    seeds.push_back("[DATA]\r\nKOJICODE = 7 \r\n[]\r\n[data]\r\nkojicode=9\r\n\r\n\r\n");
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // In memory where there is such a folder: every save is flushed to the disk.
    static QTemporaryDir dir(QFileInfo(QStringLiteral("/dev/shm")).isWritable()
                                 ? QStringLiteral("/dev/shm/sorvik-fuzz-config-XXXXXX")
                                 : QDir::tempPath() + QStringLiteral("/sorvik-fuzz-config-XXXXXX"));
    const QString path = dir.filePath(QStringLiteral("sorvik.ini"));
    const QByteArray before(reinterpret_cast<const char *>(data), qsizetype(size));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(before) != before.size())
            std::abort();
    }
    IniFile ini(path);
    for (const QString &section : ini.sections())
        for (const QString &key : ini.keys(section))
            (void)ini.readInteger(section, key, 0);
    (void)ini.readString(QStringLiteral("system"), QStringLiteral("dbName"));

    const bool written = ini.writeString(QStringLiteral("data"), QStringLiteral("kojicode"), QStringLiteral("7"));
    const QByteArray after = readFile(path);
    if (!ini.writeProblem().isEmpty()) {
        // Untouched; a write can only succeed when the key already holds the value.
        if (after != before
            || (written && ini.readString(QStringLiteral("data"), QStringLiteral("kojicode")) != QLatin1String("7")))
            std::abort();
        return 0;
    }
    if (!written || !keepsOtherLines(before, after))
        std::abort();
    IniFile again(path);
    if (again.readString(QStringLiteral("data"), QStringLiteral("kojicode")) != QLatin1String("7"))
        std::abort();
    // Writing the value the key already has changes nothing.
    if (!again.writeString(QStringLiteral("DATA"), QStringLiteral("KojiCode"), QStringLiteral("7"))
        || readFile(path) != after)
        std::abort();
    return 0;
}
