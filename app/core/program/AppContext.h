#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

class IniFile;

// The process-wide state every window reads: directories, configuration, the current
// project and the construction-system tree the main window publishes. Only the main
// window's project loading writes the project fields (and the project editor
// CurSafetyKind).
struct AppContext
{
    QString AppDir;     // folder of the program file, with a trailing '/'
    QString ImageRoot;  // image root, with a trailing '/'
    class IniFile *IniFile = nullptr;
    QString CompanyName;

    QString CurKojiCode = QStringLiteral("0");
    QString CurKojiName;
    QString CurKojiStart;
    QString CurSafetyKind;
    bool CurIsJV = false;

    QDate WorkDate = QDate::currentDate();
    bool UseBarcode = false;
    int ChartRows = 4;
    int ChartGRows = 3;
    int ChartCols = 4;

    // Parallel lists in tree order: caption, contractor code, level of each node.
    QStringList TreeLabels;
    QStringList TreeGyoCodes;
    QStringList TreeLevels;

    QString ImportGyoCode;
    QString ImportGyoName;

    static AppContext &instance();
};
