#include "ConfigKeys.h"

#include "IniFile.h"

#include <QDir>

namespace Config {

QString read(const IniFile &ini, const TextKey &key)
{
    return ini.readString(QLatin1String(key.section), QLatin1String(key.key), QString::fromUtf8(key.defaultValue));
}

int read(const IniFile &ini, const IntKey &key)
{
    return ini.readInteger(QLatin1String(key.section), QLatin1String(key.key), key.defaultValue);
}

bool read(const IniFile &ini, const BoolKey &key)
{
    return ini.readBool(QLatin1String(key.section), QLatin1String(key.key), key.defaultValue);
}

bool write(IniFile &ini, const TextKey &key, const QString &value)
{
    return ini.writeString(QLatin1String(key.section), QLatin1String(key.key), value);
}

bool write(IniFile &ini, const IntKey &key, int value)
{
    return ini.writeInteger(QLatin1String(key.section), QLatin1String(key.key), value);
}

bool write(IniFile &ini, const BoolKey &key, bool value)
{
    return ini.writeBool(QLatin1String(key.section), QLatin1String(key.key), value);
}

QString DefaultDbName()
{
    QString dataHome = qEnvironmentVariable("XDG_DATA_HOME");
    // The XDG rules ignore a relative path.
    if (dataHome.isEmpty() || QDir::isRelativePath(dataHome))
        dataHome = QDir::homePath() + QStringLiteral("/.local/share");
    return dataHome + QStringLiteral("/sorvik/sorvik.fdb");
}

}  // namespace Config
