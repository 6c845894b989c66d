#pragma once

#include "PackageDialogs.h"

#include <QDate>
#include <QString>

// What backup and restore share: the archive's one member, the file dialogs and the rule
// that only a database on this machine is backed up or restored here.
namespace BackupFiles {

inline const QString Member = QStringLiteral("sorvikdb.fbk");

// Save dialog proposing "SorvikDBバックアップ_" + yymmdd + ".LZH".
sorvik::package::FileRequest saveRequest(const QDate &today);
// The main window's open dialog on its fourth filter, "バックアップファイル|SorvikDB*.LZH".
sorvik::package::FileRequest openRequest();

// True, after telling the user, when `databaseName` is on another machine: its server's
// own tools back it up.
bool refusedAsNetworkDatabase(const QString &databaseName);

}  // namespace BackupFiles
