#pragma once

#include "PackageKind.h"
#include "PackageScheme.h"
#include "TableColumns.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace sorvik::package {

// The columns of a package that are imported into a table, and the rows cut down to them.
//
// Only names that are columns of the target table (as the database describes it) are
// kept, each once; the others are dropped, whatever version the package claims, and
// listed so the user can be told. Type letters come from the package for its own and
// older versions; a package of a newer system may have reordered them, so its letters
// are looked up by column name in the target table. Image columns are the kind's, as far
// as the package (of its own or an older version) lists them.
class ImportColumns
{
public:
    ImportColumns(const PackageScheme &scheme, const PackageKind &kind, const TableColumns &target);

    const QStringList &names() const { return m_names; }
    const QStringList &letters() const { return m_letters; }
    const QStringList &imageColumns() const { return m_imageColumns; }
    const QStringList &dropped() const { return m_dropped; }
    int indexOf(const QString &name) const { return int(m_names.indexOf(name.toUpper())); }

    // A package row (one value per package column) cut down to the kept columns.
    QStringList keep(const QStringList &packageRow) const;

private:
    QStringList m_names;
    QStringList m_letters;
    QStringList m_imageColumns;
    QStringList m_dropped;
    std::vector<int> m_sourceIndex;  // package position of each kept column
};

}  // namespace sorvik::package
