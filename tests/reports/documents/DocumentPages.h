#pragma once

#include "DrawingObject.h"
#include "Workbook.h"

#include <QPoint>
#include <QString>
#include <vector>

// A finished document read back page by page: what a marker's cell holds on each copy of
// the template's page, and the pictures anchored there. Pages are copies of the template
// rows 1..lastRow stacked one below the other, as the engine makes them; a lastRow of -1
// is the bottom of the print area, as SetRows(1, -1) takes it.
class DocumentPages
{
public:
    DocumentPages(const QString &templatePath, const celvane::Workbook &finished, const QString &sheetName,
                  int lastRow);

    // Page copies holding anything (cells or drawings).
    int count() const { return m_count; }
    // The cell's text or number ("12"), empty for an empty cell. `page` counts from 0.
    QString value(int page, const QString &marker, int columnOffset = 0, int rowOffset = 0) const;
    // The pictures whose top-left corner lies in the cell.
    std::vector<const celvane::DrawingObject *> pictures(int page, const QString &marker, int columnOffset = 0,
                                                         int rowOffset = 0) const;
    // The template cell of a marker (1-based column and row).
    QPoint markerCell(const QString &marker) const;
    // Every cell text of a page that still reads like a marker ("**NAME").
    QStringList markersLeft(int page) const;

private:
    QPoint cell(int page, const QString &marker, int columnOffset, int rowOffset) const;

    celvane::Workbook m_template;
    const celvane::Worksheet *m_templateSheet = nullptr;
    const celvane::Worksheet *m_sheet = nullptr;
    int m_pageRows;
    int m_count = 0;
};
