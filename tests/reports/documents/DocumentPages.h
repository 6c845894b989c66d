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
    // The shapes whose top-left corner lies in the cell or in the `columns` - 1 cells right of it.
    std::vector<const celvane::DrawingObject *> shapes(int page, const QString &marker, int columnOffset, int rowOffset,
                                                       int columns) const;
    // The lines around the cell.
    celvane::Border border(int page, const QString &marker, int columnOffset = 0, int rowOffset = 0) const;
    // The shapes the engine drew on a page (their top-left corner in its rows).
    std::vector<const celvane::DrawingObject *> shapes(int page) const;
    // The template cell of a marker (1-based column and row).
    QPoint markerCell(const QString &marker) const;
    // Every cell text of a page that still reads like a marker ("**NAME").
    QStringList markersLeft(int page) const;

private:
    QPoint cell(int page, const QString &marker, int columnOffset, int rowOffset) const;
    std::vector<const celvane::DrawingObject *> anchored(celvane::DrawingObject::Kind kind, QPoint at,
                                                         int columns = 1) const;

    celvane::Workbook m_template;
    const celvane::Worksheet *m_templateSheet = nullptr;
    const celvane::Worksheet *m_sheet = nullptr;
    const celvane::StyleSheet *m_styles = nullptr;
    int m_pageRows;
    int m_count = 0;
};
