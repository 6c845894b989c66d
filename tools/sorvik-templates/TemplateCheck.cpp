#include "TemplateCheck.h"

namespace templates {

using namespace celvane;
using sorvik::reports::TemplateSheet;
using sorvik::reports::TemplateWorkbook;

QStringList TemplateCheck::markersOf(const Worksheet &sheet)
{
    QStringList found;
    for (const auto &[number, row] : sheet.rows)
        for (const auto &[column, cell] : row.cells)
            if (cell.isText() && cell.text.startsWith(QLatin1String("**")))
                found << cell.text;
    return found;
}

namespace {

int lastPageRow(const Worksheet &sheet, const TemplateSheet &expected)
{
    if (expected.pageRows > 0)
        return expected.pageRows;
    return sheet.printArea ? sheet.printArea->bottom : sheet.lastUsedRow();
}

}  // namespace

QStringList TemplateCheck::problems(const Workbook &book, const TemplateWorkbook &expected)
{
    QStringList problems;
    QStringList names, expectedNames;
    for (const Worksheet &sheet : book.sheets)
        names << sheet.name;
    for (const TemplateSheet &sheet : expected.sheets)
        expectedNames << sheet.name;
    if (names != expectedNames)
        problems << QStringLiteral("%1: sheets %2, expected %3")
                        .arg(expected.fileName, names.join(u','), expectedNames.join(u','));

    for (const TemplateSheet &wanted : expected.sheets) {
        const int index = book.sheetIndex(wanted.name);
        if (index < 0)
            continue;
        const Worksheet &sheet = book.sheets[index];
        const QString where = expected.fileName + u'/' + wanted.name;
        const QStringList found = markersOf(sheet);
        for (const QString &marker : wanted.markers) {
            const qsizetype count = found.count(marker);
            if (count == 0)
                problems << QStringLiteral("%1: %2 is missing").arg(where, marker);
            else if (count > 1)
                problems << QStringLiteral("%1: %2 appears %3 times").arg(where, marker).arg(count);
        }
        for (const QString &marker : found)
            if (!wanted.holds(marker) && !problems.contains(where + QStringLiteral(": unexpected ") + marker))
                problems << where + QStringLiteral(": unexpected ") + marker;
        const int lastRow = lastPageRow(sheet, wanted);
        for (auto it = sheet.rows.upper_bound(lastRow); it != sheet.rows.end(); ++it)
            for (const auto &[column, cell] : it->second.cells)
                if (cell.isText() && cell.text.startsWith(QLatin1String("**")))
                    problems << QStringLiteral("%1: %2 lies below the page's last row %3")
                                    .arg(where, cell.text)
                                    .arg(lastRow);
    }
    return problems;
}

}  // namespace templates
