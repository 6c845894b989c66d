#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace sorvik::reports {

// One sheet of a template workbook: its name, the rows of one page when the document fixes
// them, and every marker cell it holds. A document writes only markers of this list; the
// template holds each of them exactly once, in the first block or row of a repeated part
// (the document reaches the others by offset).
struct TemplateSheet
{
    QString name;
    int pageRows = 0;  // the last row of a page when the document sets it; 0: the print area
    QStringList markers;

    bool holds(QStringView marker) const { return markers.contains(marker); }
};

// A template workbook in the folder "rpt" beside the program. Documents name it ".xls";
// the file on disk is the ".xlsx" of the same name.
struct TemplateWorkbook
{
    QString fileName;
    std::vector<TemplateSheet> sheets;

    QString storedFileName() const;
    const TemplateSheet *sheet(QStringView name) const;
};

// The contract between the documents and their templates: every workbook, its sheets in
// order and the markers of each sheet.
class TemplateManifest
{
public:
    static const std::vector<TemplateWorkbook> &workbooks();
    // By the name a document uses, with ".xls" or ".xlsx", letters in any case; null if none.
    static const TemplateWorkbook *workbook(QStringView fileName);
    static const TemplateSheet *sheet(QStringView fileName, QStringView sheetName);
};

}  // namespace sorvik::reports
