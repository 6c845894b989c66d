#pragma once

#include "db/Column.h"

#include <QString>
#include <QStringList>

namespace sorvik::package {

inline const QString kFormatVersion = QStringLiteral("0.5");

// The SCHEME member: what the rows of RECORD are.
//   line 1  the format version, "0.5"
//   line 2  the kind as a decimal number ("-1" for a unit file)
//   line 3  the column names in upper case, as comma text
//   line 4  one type letter per column, as comma text
//   line 5  the kind's image columns joined by "," (empty when it has none)
// A unit's SCHEME lists its tables on line 3 and leaves lines 4 and 5 empty.
struct PackageScheme
{
    QString version = kFormatVersion;
    QString kind;
    QStringList columns;
    QStringList types;
    QStringList imageColumns;

    QStringList lines() const;
    // Missing lines read as empty ones.
    static PackageScheme fromLines(const QStringList &lines);

    // Whether the package comes from a newer system: its version sorts after ours as text
    // (so "0.10" counts as older, as peers compare it).
    bool isNewerVersion() const { return version > kFormatVersion; }
};

// "S" for text, "B" for boolean, "D" for date and time, "N" for everything else.
QString typeLetter(db::Column::Kind kind);

}  // namespace sorvik::package
