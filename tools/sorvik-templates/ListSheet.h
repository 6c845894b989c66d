#pragma once

#include "SheetBuilder.h"

#include <vector>

namespace templates {

// A list of 32 rows a page on A4 portrait under a title, the creation date and two header
// values; the document writes row r of a page at a row offset of r − 1 from the markers of
// the first row. The first column numbers the rows and is wide enough for the captions of
// the header values above it.
struct ListSheet
{
    struct Column
    {
        QString caption;
        double millimetres;
        QString marker;  // empty: the row number
        CellLook look;
    };
    struct HeaderField
    {
        QString caption;
        QString marker;
    };

    QString sheetName;
    QString title;
    std::vector<HeaderField> header;  // stacked, captions in the first column
    std::vector<Column> columns;

    static constexpr int kRows = 32;
    SheetBuilder build() const;
};

}  // namespace templates
