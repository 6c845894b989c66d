#pragma once

#include "PackageFolder.h"
#include "PackageScheme.h"

#include <QString>
#include <QStringList>

#include <functional>
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

    // `member` gives the bytes of a member by name (any letter case), or nullopt.
    using MemberLookup = std::function<std::optional<QByteArray>(const QString &name)>;
    static PackageContent read(const MemberLookup &member);
    static PackageContent read(const PackageFolder &folder);
};

}  // namespace sorvik::package
