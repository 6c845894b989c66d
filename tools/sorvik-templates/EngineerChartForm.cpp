// 技術者体系図: the engineer chart on A3 landscape. The page head carries the project and
// the prime contractor's chief engineer in the box at columns 1–8; every subcontractor is a
// block of 8 × 15 cells on a grid of 10 columns and 18 rows, the first at columns 11–18,
// rows 5–19, with "**CPNM" in its fifth column and top row. The program frames the blocks
// and draws the connectors along cell edges in the gaps, so the block and gap areas carry
// no lines of their own; columns 9–10 stay free for the lines from the prime contractor.
#include "Forms.h"
#include "FormBook.h"
#include "SheetBuilder.h"

namespace templates {

namespace {

constexpr int kBlockWidth = 8;
constexpr int kBlockHeight = 15;
constexpr int kColumnPitch = 10;
constexpr int kRowPitch = 18;
constexpr int kFirstBlockColumn = 11;
constexpr int kFirstBlockRow = 5;
constexpr int kBlockColumns = 4;  // the chart's columns a page
constexpr int kBlockRows = 3;     // its rows a page
constexpr int kLastColumn = kFirstBlockColumn + kColumnPitch * (kBlockColumns - 1) + kBlockWidth + 1;
constexpr int kLastRow = 58;

struct Looks
{
    CellLook label = CellLook{}.sized(8).left().indented(1);
    CellLook value = CellLook{}.sized(9).left().shrunk();
    CellLook company = CellLook{}.sized(10).bolded().center().wrapped();
};

// The words the program rings: 専任 about 14 mm and 非専任 about 29 mm from the cell's
// left edge, at 9.5 points.
const QString kFullTimeWords = QStringLiteral("　　　専任　・非専任");

void block(SheetBuilder &s, const Looks &look, int left, int top, bool first)
{
    const auto cell = [&](const Area &area, const char *marker, const CellLook &l) {
        if (first)
            s.marker(area, QLatin1String(marker), l);
        else
            s.blank(area, l);
    };
    s.text(Area(left, top, left + 3, top + 1), QStringLiteral("会 社 名"), look.label.sized(7));
    cell(Area(left + 4, top, left + 7, top + 1), "CPNM", look.company);
    s.text(Area(left, top + 2, left + 3, top + 2), QStringLiteral("主任技術者"), look.label);
    cell(Area(left + 4, top + 2, left + 7, top + 2), "SNNM", look.value);
    s.text(Area(left, top + 3, left + 3, top + 3), QStringLiteral("生年月日"), look.label);
    cell(Area(left + 4, top + 3, left + 7, top + 3), "SNDT", look.value);
    s.text(Area(left, top + 4, left + 7, top + 4), kFullTimeWords, CellLook{}.sized(9.5).left().top());
    // The certificate goes one column right and one row down of this cell, 34 mm wide or
    // 32 mm high.
    cell(Area(left, top + 5, left + 7, top + 14), "SDFILE", look.label.center());
}

void primeContractor(SheetBuilder &s, const Looks &look)
{
    const int top = kFirstBlockRow;
    s.marker(Area(1, top, 8, top + 1), QStringLiteral("CPNM0"), look.company.sized(11));
    // The program writes 主任技術者 over this label when the engineer is one.
    s.text(Area(1, top + 2, 4, top + 2), QStringLiteral("監理技術者"), look.label);
    s.marker(Area(5, top + 2, 8, top + 2), QStringLiteral("KRNM0"), look.value);
    s.text(Area(1, top + 3, 4, top + 3), QStringLiteral("生年月日"), look.label);
    s.marker(Area(5, top + 3, 8, top + 3), QStringLiteral("SNDT0"), look.value);
    s.marker(Area(2, top + 6, 8, top + 14), QStringLiteral("SDFILE0"), look.label.center());
    s.frame(Area(1, top, 8, top + kBlockHeight - 1), SheetBuilder::Line::Medium);
    s.underline(Area(1, top + 1, 8, top + 1), SheetBuilder::Line::Thin);
}

}  // namespace

celvane::Workbook engineerChart()
{
    const Looks look;
    SheetBuilder s(QStringLiteral("技術者体系図"));
    s.page(Paper::A3, Orientation::Landscape, 10.0);
    s.columns(1, kLastColumn, 8);
    for (int gap = kFirstBlockColumn - 2; gap < kLastColumn; gap += kColumnPitch)
        s.columns(gap, gap + 1, 6);
    s.rows(1, 1, 10);
    s.rows(2, 2, 8);
    s.rows(3, 4, 3.5);
    s.rows(kFirstBlockRow, kLastRow, 4.6);
    for (int row = kFirstBlockRow + kBlockHeight; row < kLastRow; row += kRowPitch)
        s.rows(row, row + 2, 3.5);

    s.text(Area(kFirstBlockColumn, 1, kLastColumn - 10, 1), QStringLiteral("技　術　者　体　系　図"),
           CellLook{}.in(kMincho).sized(18).bolded().center());
    s.marker(Area(kLastColumn - 7, 1, kLastColumn, 1), QStringLiteral("PRDT"), look.value.right().sized(10));
    s.text(Area(kFirstBlockColumn, 2, kFirstBlockColumn + 3, 2), QStringLiteral("工事名称"), look.label.sized(10));
    const Area project(kFirstBlockColumn + 4, 2, kLastColumn - 10, 2);
    s.marker(project, QStringLiteral("KJNM0"), look.value.sized(11));
    s.underline(project);

    primeContractor(s, look);
    for (int row = 0; row < kBlockRows; ++row)
        for (int column = 0; column < kBlockColumns; ++column)
            block(s, look, kFirstBlockColumn + kColumnPitch * column, kFirstBlockRow + kRowPitch * row,
                  row == 0 && column == 0);
    s.printArea(kLastColumn, kLastRow);

    return FormBook::single(s);
}

}  // namespace templates
