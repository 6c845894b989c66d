#pragma once

#include "PackageDialogs.h"

#include <QDate>
#include <QDateTime>
#include <QString>

namespace sorvik::package {

// The file dialogs of the exchange and the names they propose.

// Saving a package of `kind` (0, 1, 6, 7, 8) from an editor: `name` is the project name,
// the company name or the editor's own name for the record.
FileRequest recordExportRequest(int kind, const QString &name, const QDate &today);
// Opening a package of `kind` (0, 1, 6, 7, 8) in an editor.
FileRequest recordImportRequest(int kind);

FileRequest rosterExportRequest(const QString &contractorName, const QDate &today);
FileRequest rosterImportRequest(const QString &contractorName);

// The main menu: exports of the staff and names masters, the unit unload, and the main
// window's open dialog (four filters) for the masters and the unit load.
FileRequest staffExportRequest(const QString &companyName);
FileRequest namesExportRequest(const QString &companyName);
FileRequest unitUnloadRequest(const QString &projectName);
FileRequest staffImportRequest();
FileRequest namesImportRequest();
FileRequest unitLoadRequest();

// The safety copy written before a project is deleted: AppDir + "Sorvikユニット_" +
// project name + "_" + the time as yyMMddhhmmss + ".LDF". A character a file name cannot
// hold ("/", "\\", ":", "*", "?", '"', "<", ">", "|", control characters) becomes "_".
// The name is never one that exists: a second copy in the same second gets "_2", "_3", …
// before the extension.
QString safetyUnitPath(const QString &appDir, const QString &projectName, const QDateTime &now);

inline const QString kMainOpenFilter = QStringLiteral(
    "EXPファイル|*.LZH|職員EXPファイル|職員*.LZH|資格EXPファイル|資格*.LZH|バックアップファイル|SorvikDB*.LZH");

}  // namespace sorvik::package
