#pragma once

#include "Cell.h"
#include "CellRange.h"
#include "DrawingObject.h"
#include "PageSetup.h"
#include "Relationship.h"

#include <map>
#include <optional>
#include <vector>

namespace celvane {

struct ColumnInfo
{
    int first = 1;
    int last = 1;
    double width = 0.0;  // characters of the default font, as workbooks store it
    bool customWidth = false;
    bool hidden = false;
    int style = -1;
    XmlAttributes otherAttributes;
};

// An XML element of a sheet that the model keeps as written, under its element name so
// that saving can put it back in the order the format requires.
struct RawElement
{
    QString name;
    QString xml;
};

class Worksheet
{
public:
    QString name;
    QString state;  // empty for a visible sheet
    std::map<int, Row> rows;
    std::vector<ColumnInfo> columns;
    std::vector<CellRange> merges;
    PageSetup pageSetup;
    std::vector<int> rowBreaks;     // a page ends after this 1-based row
    std::vector<int> columnBreaks;  // a page ends after this 1-based column
    std::optional<CellRange> printArea;
    std::vector<DrawingObject> drawings;

    double defaultRowHeight = 15.0;
    double defaultColumnWidth = 0.0;  // 0: derived from the base width
    int baseColumnWidth = 8;
    bool rowsHiddenByDefault = false;

    QString sheetFormatXml;
    std::vector<std::pair<QString, QString>> rootNamespaces;  // prefix, URI
    XmlAttributes rootAttributes;
    std::vector<RawElement> otherElements;
    std::vector<Relationship> relationships;         // every relationship but the drawing's
    std::vector<Relationship> drawingRelationships;  // of the drawing's objects kept as written
    std::vector<std::pair<QString, QString>> drawingNamespaces;

    const Cell *findCell(int column, int row) const;
    Cell &cellAt(int column, int row);
    const CellRange *mergeAt(int column, int row) const;
    const ColumnInfo *columnInfo(int column) const;
    double rowHeightPoints(int row) const;  // 0 for a hidden row
    bool isRowHidden(int row) const;
    bool isColumnHidden(int column) const;

    int lastUsedRow() const;
    int lastUsedColumn() const;
    // Where pages of the sheet end: the print area, else everything used.
    CellRange printedRange() const;
};

}  // namespace celvane
