// The configuration file as a hostile site might leave it: any bytes at all. Reading must
// never crash, and writing one key back must keep the file readable.
#include "config/IniFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

extern "C" void SorvikFuzzSeeds(std::vector<std::string> &seeds)
{
    seeds.push_back("[system]\r\ndbpc=\r\ndbName=/x/sorvik.fdb\r\n[data]\r\nOLD=065\r\nkojicode=3\r\n");
    seeds.push_back(
        "; comment\r\n[TAIKEI]\r\nROWS=4\r\nCOLS=08\r\n[data]\r\nremark1=\x88\xc0\x91\x53\x91\xe6\x88\xea\r\n");
    seeds.push_back("[a]\nb\n=c\n[\n]\r\r\n[data\nkey==value\n");
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sorvik.ini"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        file.write(reinterpret_cast<const char *>(data), qint64(size));
    }
    IniFile ini(path);
    for (const QString &section : ini.sections())
        for (const QString &key : ini.keys(section))
            (void)ini.readInteger(section, key, 0);
    (void)ini.readString(QStringLiteral("system"), QStringLiteral("dbName"));
    ini.writeString(QStringLiteral("data"), QStringLiteral("kojicode"), QStringLiteral("7"));
    IniFile again(path);
    if (again.readString(QStringLiteral("data"), QStringLiteral("kojicode")) != QLatin1String("7"))
        std::abort();
    return 0;
}
