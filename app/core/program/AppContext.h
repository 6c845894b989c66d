#pragma once

#include "CurrentProject.h"

#include <QDate>
#include <QString>

class IniFile;

// The process-wide state every window reads: directories, configuration, the work date
// and the current project (with the construction system the main window publishes).
// The data module fills the configured values once at start; the settings window
// refreshes those it changes.
struct AppContext
{
    QString AppDir;     // folder of the program file, with a trailing '/'
    QString ImageRoot;  // image root, with a trailing '/'
    class IniFile *IniFile = nullptr;
    QString CompanyName;

    QDate WorkDate = QDate::currentDate();
    bool UseBarcode = false;
    int ChartRows = 4;
    int ChartGRows = 3;
    int ChartCols = 4;

    QString ImportGyoCode;
    QString ImportGyoName;

    // The one owner of the current project. It outlives any reset of the context, so
    // whoever holds it always holds the current one.
    static CurrentProject &Project();

    static AppContext &instance();
};
