#pragma once

#include "ExportRows.h"
#include "PackageKind.h"

#include <QStringList>

#include <string>

namespace sorvik::package {

// The RECORD member of a package: each row's values encoded (ValueEncoding) as one line of
// comma text in CP932. A character CP932 cannot hold is written as "?" (peers read nothing
// else), and each one is named in `notes` with its table, row, key values and column, so
// the user hears of it before the package is written.
struct RecordEncoder
{
    std::string bytes;
    QStringList notes;

    static RecordEncoder encode(const ExportRows &rows, const PackageKind &kind);
};

}  // namespace sorvik::package
