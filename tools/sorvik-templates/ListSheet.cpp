#include "ListSheet.h"

namespace templates {

namespace {
using Line = SheetBuilder::Line;
}

SheetBuilder ListSheet::build() const
{
    const CellLook label = CellLook{}.sized(9).center().wrapped();
    const CellLook value = CellLook{}.sized(10).left().shrunk().indented(1);
    SheetBuilder s(sheetName);
    s.page(Paper::A4, Orientation::Portrait, 10.0);
    const int last = int(columns.size());
    for (int i = 0; i < last; ++i)
        s.columns(i + 1, i + 1, columns[i].millimetres);

    s.rows(1, 1, 6);
    s.text(Area(last - 1, 1), QStringLiteral("作成日"), label);
    s.marker(Area(last, 1), QStringLiteral("PRDT"), value.center());
    s.rows(2, 2, 12);
    s.text(Area(1, 2, last, 2), title, CellLook{}.in(kMincho).sized(14).bolded().center());
    s.rows(3, 3, 4);
    for (int i = 0; i < int(header.size()); ++i) {
        const int row = 4 + i;
        s.rows(row, row, 8);
        s.text(Area(1, row), header[i].caption, label);
        const Area field(2, row, last, row);
        s.marker(field, header[i].marker, value.sized(11));
        s.underline(field);
    }
    const int headRow = 5 + int(header.size());
    s.rows(headRow - 1, headRow - 1, 4);
    s.rows(headRow, headRow, 8);
    const int firstRow = headRow + 1;
    const int lastRow = headRow + kRows;
    s.rows(firstRow, lastRow, 6.5);
    for (int i = 0; i < last; ++i) {
        const Column &column = columns[i];
        s.text(Area(i + 1, headRow), column.caption, label);
        for (int row = firstRow; row <= lastRow; ++row) {
            if (column.marker.isEmpty())
                s.text(Area(i + 1, row), QString::number(row - headRow), label.sized(8));
            else if (row == firstRow)
                s.marker(Area(i + 1, row), column.marker, column.look);
            else
                s.blank(Area(i + 1, row), column.look);
        }
    }
    const Area table(1, headRow, last, lastRow);
    s.grid(table, Line::Thin);
    s.horizontal(firstRow, 1, last, Line::Medium);
    s.frame(table, Line::Medium);
    s.printArea(last, lastRow);
    return s;
}

}  // namespace templates
