#pragma once

#include <QString>
#include <QTextStream>

#include <optional>

// What kind of file a package file is: a roster package (MEIBO1.LZH and MEIBO2.LZH), a
// unit file (kind -1) or a package of one kind. nullopt, after the user was told why,
// for a file that is none of these. Unpacks in the work folders under `appDir`.
struct PackageSort
{
    bool roster = false;
    int kind = -1;
};
std::optional<PackageSort> detectPackage(const QString &file, const QString &appDir);

// Prints what a package, roster package or unit file holds: its header, kind, version,
// columns, rows and members, and for a roster or unit each package inside it.
bool listPackage(const QString &file, const QString &appDir, QTextStream &out);
