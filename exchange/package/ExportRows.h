#pragma once

#include <QString>
#include <QStringList>

#include <vector>

class DataSet;

namespace sorvik::package {

// The rows a package carries, as text: the dataset's columns in its order (upper case),
// one type letter per column, and each row's values in their text form (empty for null,
// dates as yyyy/mm/dd, decimals without trailing zeros: 7.5, 8).
struct ExportRows
{
    QStringList columns;
    QStringList types;
    std::vector<QStringList> rows;

    // The current record only, or every record from the first to the last. The dataset
    // does not move, so its window and handlers see nothing.
    static ExportRows of(DataSet &dataSet, bool currentRecordOnly);
};

}  // namespace sorvik::package
