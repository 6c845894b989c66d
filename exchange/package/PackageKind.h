#pragma once

#include <QString>
#include <QStringList>

namespace sorvik::package {

// How the rows of a package are stored on import.
enum class Storing {
    OverwriteRecord,  // into the record open in the importing editor
    Workers,          // matched by name within the target contractor
    Staff,            // matched by name and qualification
    Names,            // matched by abbreviation
    Qualifications,   // attached to the worker matched by name and birth date
    UnitOnly,         // travels only inside unit files
};

// A package carries the rows of one table; its kind is the table's number. The kind fixes
// the header text, the image columns, the columns that are never overwritten or that
// identify a row, and how rows are stored.
struct PackageKind
{
    int number;
    QString table;
    QString header;            // FILEINFO's text after "ファイル種別："
    QStringList imageColumns;  // stored-image names
    QStringList keyColumns;    // never overwritten; name a row in messages
    Storing storing;
    QString importCaption;  // the import dialog's caption; empty for unit-only kinds

    int imageKind() const { return number == 5 ? 1 : 0; }
    // Kinds whose export outside a unit writes only the current record.
    bool exportsCurrentRecordOnly() const { return storing == Storing::OverwriteRecord; }
    // Kinds a unit file carries: all but the two masters.
    bool travelsInUnit() const { return number != 3 && number != 4; }
};

inline constexpr int kKindCount = 14;

// nullptr for a number outside 0–13.
const PackageKind *kindByNumber(int number);
// The kind whose table is `table` (any letter case); nullptr when none is.
const PackageKind *kindByTable(const QString &table);

}  // namespace sorvik::package
