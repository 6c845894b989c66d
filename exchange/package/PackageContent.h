#pragma once

#include "PackageFolder.h"
#include "PackageScheme.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace sorvik::package {

// What a package holds, read from the folder it was extracted into. The scrambled members
// (SCHEME.ECD, RECORD.ECD) are preferred to plain ones of the same name, as unscrambling
// them would overwrite the plain files.
struct PackageContent
{
    QStringList fileInfo;                 // empty when there is no FILEINFO.TXT
    std::optional<PackageScheme> scheme;  // nullopt: not a package of this system
    bool hasRecords = false;
    std::vector<QStringList> rows;  // items as read, form feeds kept
    QStringList problems;           // damage that forbids importing
    QStringList warnings;           // what the user should know but may import

    static PackageContent read(const PackageFolder &folder);
};

}  // namespace sorvik::package
