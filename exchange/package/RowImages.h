#pragma once

#include "ImportColumns.h"
#include "PackageFolder.h"

#include <QString>
#include <QStringList>

class TDataModule1;

namespace sorvik::package {

// Puts the images a row names into this database's image store and gives the row the
// new names. The file must be a member of the package, found under the row's bare name
// (any letter case); a name that is not bare is refused with a note and, like a name
// the package has no file for, leaves the column empty.
class RowImages
{
public:
    RowImages(TDataModule1 &data, const PackageFolder &folder, int imageKind, QStringList &notes);

    // `row` holds the values of `columns`; `rowNumber` (from 1) names it in notes.
    void store(const ImportColumns &columns, QStringList &row, int rowNumber);

private:
    TDataModule1 &m_data;
    const PackageFolder &m_folder;
    int m_imageKind;
    QStringList &m_notes;
};

}  // namespace sorvik::package
