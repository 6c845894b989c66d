#include "SystemInfo.h"

#include <QFileInfo>
#include <pwd.h>
#include <unistd.h>

#ifndef SORVIK_VERSION
#define SORVIK_VERSION "0.0.0"
#endif

QString GetLoginUserName()
{
    QString name;
    if (const passwd *entry = getpwuid(geteuid()))
        name = QString::fromLocal8Bit(entry->pw_name);
    if (name.isEmpty())
        name = qEnvironmentVariable("USER", qEnvironmentVariable("LOGNAME"));
    return name.left(256);
}

QString ProgramFilePath()
{
    return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
}

QString GetVersionString(const QString &file, int number)
{
    static const char *const strings[] = {
        "Quandor",                  // CompanyName
        "Sorvik 労務安全書類管理",  // FileDescription
        SORVIK_VERSION,             // FileVersion
        "sorvik",                   // InternalName
        "Copyright (C) Quandor",    // LegalCopyright
        "",                         // LegalTrademarks
        "sorvik",                   // OriginalFilename
        "Sorvik",                   // ProductName
        SORVIK_VERSION,             // ProductVersion
        "",                         // Comments
    };
    if (number < 1 || number > 10)
        return {};
    const QString canonical = QFileInfo(file).canonicalFilePath();
    if (canonical.isEmpty() || canonical != ProgramFilePath())
        return {};
    return QString::fromUtf8(strings[number - 1]);
}
