#pragma once

#include <QString>

namespace celvane {

// Paths inside a workbook package: relationship targets are relative to the part that
// names them, package paths have no leading slash.
class PackagePath
{
public:
    static QString resolve(const QString &sourcePart, const QString &target);
    static QString relative(const QString &sourcePart, const QString &targetPart);
    static QString relationshipsOf(const QString &part);
};

}  // namespace celvane
