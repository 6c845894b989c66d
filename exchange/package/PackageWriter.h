#pragma once

#include "PackageScheme.h"

#include <QString>
#include <QStringList>

#include <string>

namespace sorvik::package {

// Writes the text members of a package into a work folder: FILEINFO.TXT, then SCHEME and
// RECORD, either plain (SCHEME.TXT, RECORD.CSV) or scrambled (SCHEME.ECD, RECORD.ECD).
// FILEINFO is never scrambled. `recordBytes` is the RECORD member in CP932.
// Each file is written whole or not at all; false with the reason in `*error`.
bool writePackageMembers(const QString &folder, const QStringList &fileInfo, const PackageScheme &scheme,
                         const std::string &recordBytes, bool scrambled, QString *error);

// A unit file's own FILEINFO.TXT and (never scrambled) SCHEME.TXT, listing `tables`.
bool writeUnitMembers(const QString &folder, const QStringList &fileInfo, const QStringList &tables, QString *error);

}  // namespace sorvik::package
