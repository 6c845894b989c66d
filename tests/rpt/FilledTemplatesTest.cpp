#include "Celvane.h"
#include "PageLayout.h"
#include "TemplateManifest.h"
#include "TemplateTestSupport.h"
#include "XlsxWriter.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace celvane;
using sorvik::reports::TemplateManifest;
using sorvik::reports::TemplateSheet;
using sorvik::reports::TemplateWorkbook;

namespace {

// Fills templates the way the documents do: a page copy per record, markers by offset.
class FilledTemplates : public ::testing::Test
{
protected:
    void open(const QString &fileName, const QString &sheetName, const QString &pageText = QStringLiteral("1"))
    {
        const QString path = dir.filePath(fileName + u'x');
        XlsxWriter::write(rpttest::generated(fileName), path);
        engine = std::make_unique<Celvane>();
        engine->FileName(dir.filePath(fileName));
        engine->Document().Begin();
        engine->Page().Open(sheetName, pageText);
    }
    const Worksheet &document() { return engine->finishedDocument().sheets.front(); }
    std::vector<PrintedPage> pages() { return PageLayout::paginate(engine->finishedDocument()); }
    // The document row a text landed in, 0 when none.
    int rowOf(const QString &text)
    {
        for (const auto &[number, row] : document().rows)
            for (const auto &[column, cell] : row.cells)
                if (cell.isText() && cell.text == text)
                    return number;
        return 0;
    }

    QTemporaryDir dir;
    std::unique_ptr<Celvane> engine;
};

TEST_F(FilledTemplates, EachCopyOfASheetTakesItsOwnPages)
{
    for (const TemplateWorkbook &book : TemplateManifest::workbooks())
        for (const TemplateSheet &sheet : book.sheets) {
            if (rpttest::isOnePageForm(sheet.name))
                continue;
            const std::string where = (book.fileName + u'/' + sheet.name).toStdString();
            open(book.fileName, sheet.name);
            const QString marker = sheet.markers.front();
            for (const QString &value : {QStringLiteral("一枚目"), QStringLiteral("二枚目")}) {
                if (value != QStringLiteral("一枚目"))
                    engine->Page().NewPage(true);
                engine->Page().SetRows(1, sheet.pageRows > 0 ? sheet.pageRows : -1);
                engine->Cell(marker).Value(value);
            }
            engine->Page().Close();
            const auto printed = pages();
            const int perCopy = rpttest::printedPagesPerCopy(sheet.name);
            ASSERT_EQ(int(printed.size()), 2 * perCopy) << where;
            const int second = rowOf(QStringLiteral("二枚目"));
            EXPECT_GE(second, printed[perCopy].firstRow) << where;
            EXPECT_LE(second, printed[perCopy].lastRow) << where;
        }
}

TEST_F(FilledTemplates, TheEleventhWorkerStartsTheRostersSecondPage)
{
    open(QStringLiteral("sagyoinmeibo.xls"), QStringLiteral("作業員名簿"));
    for (int worker = 1; worker <= 11; ++worker) {
        const int r = (worker - 1) % 10 + 1;
        if (worker > 1 && r == 1)
            engine->Page().NewPage(true);
        if (r == 1) {
            engine->Page().SetRows(1, -1);
            engine->Cell(QStringLiteral("**MKYMD")).Value(QStringLiteral("（　令和　6年　4月　1日　作成　）"));
        }
        engine->Cell(QStringLiteral("**NUM"), 0, 2 * (r - 1)).Value(worker);
        engine->Cell(QStringLiteral("**NAME"), 0, 2 * (r - 1)).Value(QStringLiteral("作業員%1").arg(worker));
    }
    engine->Page().Close();
    const auto printed = pages();
    ASSERT_EQ(printed.size(), 2u);
    const Worksheet &templateSheet
        = rpttest::sheet(rpttest::generated(QStringLiteral("sagyoinmeibo.xls")), QStringLiteral("作業員名簿"));
    const QPoint name = rpttest::markerCell(templateSheet, QStringLiteral("**NAME"));
    const int pageRows = templateSheet.printArea->bottom;
    EXPECT_EQ(rowOf(QStringLiteral("作業員10")), name.y() + 18);
    EXPECT_EQ(rowOf(QStringLiteral("作業員11")), pageRows + name.y());
    EXPECT_EQ(printed[1].firstRow, pageRows + 1);
    EXPECT_EQ(document().findCell(name.x(), pageRows + name.y())->style,
              templateSheet.findCell(name.x(), name.y())->style);
}

TEST_F(FilledTemplates, EveryMachineGetsItsNotificationThenItsChecklist)
{
    open(QStringLiteral("kikai.xls"), QStringLiteral("持込機械届"), QStringLiteral("1-2"));
    engine->Page().Setup(805, 1);
    for (int machine = 1; machine <= 2; ++machine) {
        if (machine > 1)
            engine->Page().NewPage(true);
        engine->Page().SetRows(1, 110);
        engine->Cell(QStringLiteral("**KKNM")).Value(QStringLiteral("機械%1").arg(machine));
        // The last crane item, both inspections.
        engine->Cell(QStringLiteral("**CHKA"), 0, 2 * 16).Value(QStringLiteral("ﾚ"));
        engine->Cell(QStringLiteral("**CHKA"), 1, 2 * 16).Value(QStringLiteral("ﾚ"));
    }
    engine->Page().NewPage(true);
    engine->Page().Close();
    const auto printed = pages();
    ASSERT_EQ(printed.size(), 4u);
    for (int i = 0; i < 4; ++i) {
        const bool checklist = i % 2 == 1;
        EXPECT_EQ(printed[i].firstColumn, checklist ? 11 : 1) << i;
        EXPECT_EQ(printed[i].firstRow, i < 2 ? 1 : 111) << i;
    }
    const Worksheet &templateSheet
        = rpttest::sheet(rpttest::generated(QStringLiteral("kikai.xls")), QStringLiteral("持込機械届"));
    const QPoint crane = rpttest::markerCell(templateSheet, QStringLiteral("**CHKA"));
    // Item 17 is the last row pair of the crane group, whose name column says 照明.
    EXPECT_EQ(templateSheet.findCell(crane.x() - 1, crane.y() + 32)->text, QStringLiteral("照明"));
    EXPECT_EQ(document().findCell(crane.x() + 1, 110 + crane.y() + 32)->text, QStringLiteral("ﾚ"));
}

TEST_F(FilledTemplates, TheTenthToolAndItsChecksStayOnTheirPages)
{
    open(QStringLiteral("kougu.xls"), QStringLiteral("持込工具届"), QStringLiteral("1-2"));
    engine->Page().SetRows(1, 91);
    engine->Cell(QStringLiteral("**KKNM"), 0, 4 * 9).Value(QStringLiteral("溶接機"));
    engine->Cell(QStringLiteral("**CHK26"), 9, 0).Value(QStringLiteral("ﾚ"));
    engine->Cell(QStringLiteral("**CHK11"), 9, 0).Value(QStringLiteral("100"));
    engine->Page().NewPage(true);
    engine->Page().Close();
    const auto printed = pages();
    ASSERT_EQ(printed.size(), 2u);
    EXPECT_LE(rowOf(QStringLiteral("溶接機")), printed[0].lastRow);
    EXPECT_GE(rowOf(QStringLiteral("100")), printed[1].firstRow);
    EXPECT_GE(rowOf(QStringLiteral("ﾚ")), printed[1].firstRow);
}

}  // namespace
