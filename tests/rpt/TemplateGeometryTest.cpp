#include "PageLayout.h"
#include "SheetGeometry.h"
#include "TemplateManifest.h"
#include "TemplateTestSupport.h"

#include <gtest/gtest.h>

using namespace celvane;
using sorvik::reports::TemplateManifest;
using sorvik::reports::TemplateSheet;
using sorvik::reports::TemplateWorkbook;

namespace {

constexpr double kPointsPerMillimetre = 72.0 / 25.4;

double columnsMillimetres(const Workbook &book, const Worksheet &sheet, int from, int to)
{
    const SheetGeometry geometry(sheet, book.styles);
    double points = 0;
    for (int column = from; column <= to; ++column)
        points += geometry.columnWidth(column);
    return points / kPointsPerMillimetre;
}

double rowsMillimetres(const Workbook &book, const Worksheet &sheet, int from, int to)
{
    const SheetGeometry geometry(sheet, book.styles);
    double points = 0;
    for (int row = from; row <= to; ++row)
        points += geometry.rowHeight(row);
    return points / kPointsPerMillimetre;
}

// The block a cell belongs to: its merge, or the cell alone.
CellRange blockOf(const Worksheet &sheet, QPoint cell)
{
    const CellRange *merge = sheet.mergeAt(cell.x(), cell.y());
    return merge ? *merge : CellRange{cell.x(), cell.y(), cell.x(), cell.y()};
}

// What a value written into the cell looks like: font and placement, lines aside.
std::pair<int, Alignment> lookOf(const Workbook &book, const Worksheet &sheet, QPoint cell)
{
    const Cell *found = sheet.findCell(cell.x(), cell.y());
    const CellFormat &format = book.styles.format(found ? found->style : 0);
    return {format.fontId, format.alignment};
}

TEST(TemplateGeometry, OneCopyOfEverySheetPrintsOnItsOwnPages)
{
    for (const TemplateWorkbook &expected : TemplateManifest::workbooks()) {
        const Workbook &book = rpttest::generated(expected.fileName);
        for (const TemplateSheet &wanted : expected.sheets) {
            const int index = book.sheetIndex(wanted.name);
            const Worksheet &sheet = book.sheets[index];
            const std::string where = (expected.fileName + u'/' + wanted.name).toStdString();
            ASSERT_TRUE(sheet.printArea) << where;
            if (wanted.pageRows > 0) {
                EXPECT_EQ(sheet.printArea->bottom, wanted.pageRows) << where;
            }
            const auto pages = PageLayout::paginate(book, index);
            EXPECT_EQ(int(pages.size()), rpttest::printedPagesPerCopy(wanted.name)) << where;
            // Only forms that are always one page are fitted: a fitted sheet of several page
            // copies would be shrunk onto one sheet of paper by other spreadsheet programs.
            if (sheet.pageSetup.fitToPage) {
                EXPECT_TRUE(rpttest::isOnePageForm(wanted.name)) << where;
            } else {
                for (const PrintedPage &page : pages)
                    EXPECT_DOUBLE_EQ(page.scale, 1.0) << where;
            }
        }
    }
}

struct Repeat
{
    QString file;
    QString sheet;
    QStringList markers;
    std::vector<QPoint> offsets;  // where the document writes the second, third … entry
};

std::vector<QPoint> steps(int count, QPoint step)
{
    std::vector<QPoint> offsets;
    for (int k = 1; k < count; ++k)
        offsets.push_back(step * k);
    return offsets;
}

std::vector<Repeat> repeats()
{
    const QStringList worker = {"**NUM",   "**NAME",  "**FURI", "**SHOKUSHU", "**KOME",  "**KOYMD", "**KEINEN",
                                "**BNDT",  "**OLD",   "**ADD",  "**FAMADD",   "**KSYMD", "**PRS",   "**BRTYP",
                                "**TKYMD", "**TKTYP", "**TKLN", "**GNLN",     "**MKLN",  "**INDT",  "**UKDT"};
    std::vector<QPoint> qualifications;
    for (int i = 1; i < 10; ++i)
        qualifications.emplace_back(7 * (i % 2), 17 * (i / 2));
    std::vector<QPoint> chartBlocks;
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 4; ++column)
            if (row || column)
                chartBlocks.emplace_back(10 * column, 18 * row);
    QStringList toolChecks;
    for (int item = 1; item <= 18; ++item)
        toolChecks << QStringLiteral("**CHK%1").arg(item, 2, 10, QLatin1Char('0'));
    for (int item = 21; item <= 26; ++item)
        toolChecks << QStringLiteral("**CHK%1").arg(item);

    std::vector<Repeat> all = {
        {"sagyoinmeibo.xls", "作業員名簿", worker, steps(10, {0, 2})},
        {"sagyoincard.xls", "作業員票", {"**SKNM", "**SKNO", "**SKDT", "**YKDT", "**GAZ"}, qualifications},
        {"gijutsutaikei.xls", "技術者体系図", {"**CPNM", "**SNNM", "**SNDT", "**SDFILE"}, chartBlocks},
        {"kougu.xls",
         "持込工具届",
         {"**KKNM", "**SPEC", "**SENO", "**KNRNO", "**JYUNO", "**STDT", "**FNDT", "**CHKRNM", "**USERNM"},
         steps(10, {0, 4})},
        {"kougu.xls", "持込工具届", toolChecks, steps(10, {1, 0})},
        {"sikakulist.xls", "取得資格一覧", {"**SKNM", "**PRNM", "**KBN", "**SKNO", "**SKDT"}, steps(32, {0, 1})},
        {"sikakunames.xls", "資格者氏名一覧", {"**CPNM", "**NAME", "**SKNO", "**SKDT"}, steps(32, {0, 1})},
        {"kikai.xls", "持込機械届", {"**CHKCMT", "**CHKH"}, steps(4, {0, 2})},
    };
    // The checklist's groups and their item counts; (b) is the column after (a).
    const std::pair<const char *, int> groups[] = {{"**CHKA", 17}, {"**CHKB", 14}, {"**CHKC", 5}, {"**CHKD", 10},
                                                   {"**CHKE", 10}, {"**CHKF", 7},  {"**CHKG", 5}, {"**CHKH", 4}};
    for (const auto &[marker, count] : groups) {
        std::vector<QPoint> marks = steps(count, {0, 2});
        for (int n = 0; n < count; ++n)
            marks.emplace_back(1, 2 * n);
        all.push_back({"kikai.xls", "持込機械届", {marker}, marks});
    }
    return all;
}

TEST(TemplateGeometry, RepeatedEntriesLandInCellsLaidOutLikeTheFirst)
{
    for (const Repeat &repeat : repeats()) {
        const Workbook &book = rpttest::generated(repeat.file);
        const Worksheet &sheet = rpttest::sheet(book, repeat.sheet);
        for (const QString &marker : repeat.markers) {
            const QPoint first = rpttest::markerCell(sheet, marker);
            ASSERT_FALSE(first.isNull()) << marker.toStdString();
            const CellRange block = blockOf(sheet, first);
            for (const QPoint &offset : repeat.offsets) {
                const QPoint cell = first + offset;
                const std::string where = QStringLiteral("%1 %2 at +%3,+%4")
                                              .arg(repeat.file, marker)
                                              .arg(offset.x())
                                              .arg(offset.y())
                                              .toStdString();
                const CellRange other = blockOf(sheet, cell);
                EXPECT_EQ(other.left, cell.x()) << where;
                EXPECT_EQ(other.top, cell.y()) << where;
                EXPECT_EQ(other.right - other.left, block.right - block.left) << where;
                EXPECT_EQ(other.bottom - other.top, block.bottom - block.top) << where;
                EXPECT_EQ(lookOf(book, sheet, cell), lookOf(book, sheet, first)) << where;
                EXPECT_LE(cell.y(), sheet.printArea->bottom) << where;
                EXPECT_LE(cell.x(), sheet.printArea->right) << where;
                const Cell *written = sheet.findCell(cell.x(), cell.y());
                EXPECT_TRUE(!written || written->type == Cell::Type::Empty) << where;
            }
        }
    }
}

TEST(TemplateGeometry, PicturesHaveTheRoomTheDocumentsGiveThem)
{
    struct Room
    {
        QString file, sheet, marker;
        QPoint from;  // the cell the picture is placed at, from the marker
        double width, height;
    };
    const Room rooms[] = {
        {"sagyoincard.xls", "作業員票", "**PHOTO", {0, 0}, 34, 41},
        {"sagyoincard.xls", "作業員票", "**BACD", {0, 0}, 46, 21},
        {"sagyoincard.xls", "作業員票", "**GAZ", {0, 0}, 107, 64},
        {"gijutsutaikei.xls", "技術者体系図", "**SDFILE", {1, 1}, 36, 34},
        {"gijutsutaikei.xls", "技術者体系図", "**SDFILE0", {0, 0}, 36, 34},
    };
    for (const Room &room : rooms) {
        const Workbook &book = rpttest::generated(room.file);
        const Worksheet &sheet = rpttest::sheet(book, room.sheet);
        const QPoint marker = rpttest::markerCell(sheet, room.marker);
        const CellRange block = blockOf(sheet, marker);
        const QPoint at = marker + room.from;
        EXPECT_GE(columnsMillimetres(book, sheet, at.x(), block.right), room.width) << room.marker.toStdString();
        EXPECT_GE(rowsMillimetres(book, sheet, at.y(), block.bottom), room.height) << room.marker.toStdString();
    }
}

TEST(TemplateGeometry, TheEngineerChartFollowsTheChartGrid)
{
    const Workbook &book = rpttest::generated(QStringLiteral("gijutsutaikei.xls"));
    const Worksheet &sheet = rpttest::sheet(book, QStringLiteral("技術者体系図"));
    EXPECT_EQ(rpttest::markerCell(sheet, QStringLiteral("**CPNM")), QPoint(15, 5));
    EXPECT_EQ(sheet.printArea->bottom, 58);
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 4; ++column) {
            const QPoint name = rpttest::markerCell(sheet, QStringLiteral("**SNNM")) + QPoint(10 * column, 18 * row);
            const QPoint date = rpttest::markerCell(sheet, QStringLiteral("**SNDT")) + QPoint(10 * column, 18 * row);
            // The program overwrites the label four columns left of the name and rings the
            // words in the cell four columns left of the date and one row down.
            EXPECT_EQ(sheet.findCell(name.x() - 4, name.y())->text, QStringLiteral("主任技術者"));
            const Cell *words = sheet.findCell(date.x() - 4, date.y() + 1);
            ASSERT_TRUE(words);
            EXPECT_EQ(words->text, QStringLiteral("　　　専任　・非専任"));
            const Alignment &alignment = book.styles.format(words->style).alignment;
            EXPECT_EQ(alignment.horizontal, QStringLiteral("left"));
            EXPECT_FALSE(alignment.wrapText || alignment.shrinkToFit);
        }
    const QPoint engineer = rpttest::markerCell(sheet, QStringLiteral("**KRNM0"));
    EXPECT_EQ(sheet.findCell(engineer.x() - 4, engineer.y())->text, QStringLiteral("監理技術者"));
    // The program frames the blocks and draws the connectors: the template draws no line
    // from column 9 on, in the blocks and the gaps between them.
    for (int row = 5; row <= 58; ++row)
        for (int column = 9; column <= 50; ++column)
            if (const Cell *cell = sheet.findCell(column, row)) {
                EXPECT_EQ(book.styles.borderOf(cell->style), Border{}) << column << "," << row;
            }
}

TEST(TemplateGeometry, TheTierWordsRunFromANarrowCellIntoAnEmptyOne)
{
    const Workbook &book = rpttest::generated(QStringLiteral("dodaityo3.xls"));
    const Worksheet &sheet = rpttest::sheet(book, QStringLiteral("施工体制台帳３"));
    const QPoint tier = rpttest::markerCell(sheet, QStringLiteral("**UNUM"));
    EXPECT_EQ(sheet.mergeAt(tier.x(), tier.y()), nullptr);
    // The ring of 二次以下 starts 2 mm into the next cell: before the fourth 10-point
    // character, 3 × 3.53 mm from the cell's left.
    const double width = columnsMillimetres(book, sheet, tier.x(), tier.x());
    EXPECT_NEAR(width, 7.5, 0.5);
    EXPECT_LT(width + 2.0, 3 * 10.0 * 25.4 / 72.0);
    EXPECT_GE(columnsMillimetres(book, sheet, tier.x() + 1, tier.x() + 1), 18.0);
    EXPECT_EQ(sheet.mergeAt(tier.x() + 1, tier.y()), nullptr);
    const Cell *next = sheet.findCell(tier.x() + 1, tier.y());
    EXPECT_TRUE(!next || next->type == Cell::Type::Empty);
    const CellFormat &format = book.styles.format(sheet.findCell(tier.x(), tier.y())->style);
    EXPECT_EQ(format.alignment.horizontal, QStringLiteral("left"));
    EXPECT_FALSE(format.alignment.wrapText || format.alignment.shrinkToFit);
    EXPECT_DOUBLE_EQ(book.styles.fonts[format.fontId].size, 10.0);
    // The ring reaches 2 mm above and 6 mm below the cell's top: the line holds it.
    EXPECT_GE(rowsMillimetres(book, sheet, tier.y() - 1, tier.y() - 1), 2.0);
    EXPECT_GE(rowsMillimetres(book, sheet, tier.y(), tier.y()), 6.0);
}

}  // namespace
