#pragma once

#include "Workbook.h"

#include <QHash>
#include <QPoint>

namespace celvane {

// One document being filled from a template: the sheets opened, their pages as copies of
// the template's page rows, and where each marker of the current page lies.
class ReportDocument
{
public:
    explicit ReportDocument(Workbook templateBook);

    void openPage(const QString &sheetName, const QString &pageText);
    void setRows(int first, int last);
    void newPage();
    void close();
    bool isClosed() const { return m_closed; }

    // The cell of the current page that the marker addresses, moved by the offsets (1-based).
    QPoint locate(const QString &marker, int columnOffset, int rowOffset);
    // A template row number of the current page as a row of the document.
    int documentRow(int templateRow);
    Worksheet &currentSheet();
    Workbook &workbook() { return m_output; }
    // The finished workbook: only the opened sheets, pages closed, and every marker that the
    // document did not write left blank on every page, so that no "**NAME" is ever printed.
    const Workbook &finished();
    // Whether a cell text is a marker: two asterisks and an upper-case name ("**CMPNM"),
    // which may begin with a digit ("**1UCPMNM").
    static bool isMarker(const QString &text);

private:
    struct SheetState
    {
        int index = -1;
        QString pageText;
        int first = 1;
        int last = 0;
        bool rowsSet = false;
        int pageStart = 1;  // document row of the current page's first row
        int pageEnd = 1;    // and of its last row
        int pages = 1;
        int pending = 0;
        bool trimmed = false;
        QHash<QString, QPoint> markers;  // template column and row
        bool markersValid = false;
    };

    SheetState &state();
    static int sheetEnd(const Worksheet &sheet);
    void materialize();
    void appendPage(SheetState &state);
    void trimAfter(Worksheet &sheet, int lastRow);
    void indexMarkers(SheetState &state);
    void finishSheet(SheetState &state);
    static void blankMarkers(Worksheet &sheet);

    Workbook m_template;
    Workbook m_output;
    std::vector<SheetState> m_sheets;
    int m_current = -1;
    bool m_closed = false;
    bool m_finished = false;
};

}  // namespace celvane
