#include "Celvane.h"
#include "CellText.h"
#include "CelvaneError.h"
#include "DocumentRenderer.h"
#include "LibreOfficePeer.h"
#include "PageLayout.h"
#include "QStringPrinter.h"
#include "RenderProbe.h"
#include "SheetGeometry.h"
#include "TemplateFactory.h"

#include <QBuffer>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace celvane;

namespace {

// A plain sheet: columns 10 digits wide, rows 20 points high, text in IPAPGothic 11.
class Render : public ::testing::Test
{
protected:
    Render()
    {
        book.styles.fonts.front().name = QStringLiteral("ＭＳ Ｐゴシック");
        Worksheet sheet;
        sheet.name = QStringLiteral("表");
        sheet.columns.push_back({1, 10, 10.0, true, false, -1, {}});
        for (int r = 1; r <= 12; ++r) {
            sheet.rows[r].height = 20;
            sheet.rows[r].customHeight = true;
        }
        sheet.printArea = CellRange{1, 1, 6, 12};
        book.sheets.push_back(sheet);
    }
    Worksheet &sheet() { return book.sheets[0]; }
    void text(int column, int row, const QString &value, const Alignment &alignment = {})
    {
        Cell &cell = sheet().cellAt(column, row);
        cell.type = Cell::Type::Text;
        cell.text = value;
        CellFormat format;
        format.alignment = alignment;
        cell.style = TemplateFactory::addFormat(book, format);
    }
    void border(int column, int row, const Border &lines)
    {
        book.styles.borders.push_back(lines);
        CellFormat format = book.styles.format(sheet().cellAt(column, row).style);
        format.borderId = int(book.styles.borders.size()) - 1;
        sheet().cellAt(column, row).style = TemplateFactory::addFormat(book, format);
    }
    Workbook book;
};

// The text of one page of a PDF file, as a reader extracts it.
QString pdfText(const QString &pdf, int page)
{
    QProcess text;
    text.start(QStringLiteral("pdftotext"),
               {QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"), QString::number(page), pdf,
                QStringLiteral("-")});
    text.waitForFinished(30000);
    return QString::fromUtf8(text.readAllStandardOutput());
}

int darkPixels(const QImage &image, const QRectF &area)
{
    int dark = 0;
    const QRect box = area.toAlignedRect().intersected(image.rect());
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            dark += qGray(image.pixel(x, y)) < 128;
    return dark;
}

TEST_F(Render, TextStandsInItsCellWithItsAlignment)
{
    text(2, 2, QStringLiteral("山田太郎"));
    Cell &number = sheet().cellAt(3, 2);
    number.type = Cell::Type::Number;
    number.number = 1234;
    Alignment right;
    right.horizontal = QStringLiteral("right");
    text(2, 3, QStringLiteral("右"), right);
    const RenderProbe probe(book);
    const QImage page = probe.page(0);
    const QRectF name = probe.cell(0, 2, 2);
    const QRect ink = RenderProbe::inked(page, name);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_NEAR(ink.left(), name.left() + 1.5, 2.5) << "text starts at the cell's left";
    EXPECT_NEAR(ink.bottom(), name.bottom(), 5) << "text sits at the bottom by default";
    const QRectF numberCell = probe.cell(0, 3, 2);
    const QRect digits = RenderProbe::inked(page, numberCell);
    ASSERT_FALSE(digits.isEmpty());
    EXPECT_NEAR(digits.right(), numberCell.right() - 1.5, 2.5) << "numbers stand right";
    EXPECT_NEAR(RenderProbe::inked(page, probe.cell(0, 2, 3)).right(), probe.cell(0, 2, 3).right() - 1.5, 2.5);
    EXPECT_TRUE(RenderProbe::inked(page, probe.cell(0, 4, 4).adjusted(1, 1, -1, -1)).isEmpty());
}

TEST_F(Render, FormattedRunsKeepTheirColourAndSize)
{
    text(2, 2, QStringLiteral("※注意事項"));
    sheet().cellAt(2, 2).richTextXml
        = QStringLiteral("<r><rPr><color rgb=\"FFFF0000\"/><sz val=\"16\"/></rPr><t>※</t></r><r><t>注意事項</t></r>");
    const RenderProbe probe(book);
    const QImage page = probe.page(0);
    const QRectF cell = probe.cell(0, 2, 2);
    const QRect red = RenderProbe::coloured(page, QColor(255, 0, 0), 120);
    ASSERT_FALSE(red.isEmpty());
    EXPECT_TRUE(cell.contains(QRectF(red).center()));
    EXPECT_LT(red.right(), cell.left() + 20) << "only the first letter is red";
    EXPECT_GT(red.height(), 11) << "in its own, larger size";
    const QRect rest = RenderProbe::inked(page, QRectF(red.right() + 2, cell.top(), 40, cell.height()));
    ASSERT_FALSE(rest.isEmpty());
    EXPECT_TRUE(RenderProbe::coloured(page.copy(rest), QColor(255, 0, 0), 120).isEmpty());
}

TEST_F(Render, LongTextRunsIntoEmptyNeighboursOnly)
{
    text(1, 5, QStringLiteral("とても長い見出しの文字列がとなりへはみ出す"));
    text(1, 6, QStringLiteral("とても長い見出しの文字列がとなりへはみ出す"));
    text(2, 6, QStringLiteral("壁"));
    const RenderProbe probe(book);
    const QImage page = probe.page(0);
    EXPECT_FALSE(RenderProbe::inked(page, probe.cell(0, 2, 5).adjusted(2, 2, -2, -2)).isEmpty());
    const QRect blocked = RenderProbe::inked(page, probe.cell(0, 1, 6, 2).adjusted(1, 1, -1, -1));
    EXPECT_LT(RenderProbe::inked(page, QRectF(probe.cell(0, 2, 6).left() + 20, probe.cell(0, 2, 6).top() + 1, 40, 18))
                  .width(),
              1)
        << "a filled neighbour stops the text";
    EXPECT_FALSE(blocked.isEmpty());
}

TEST_F(Render, MergedTextIsCentredOverTheMerge)
{
    Alignment centre;
    centre.horizontal = QStringLiteral("center");
    centre.vertical = QStringLiteral("center");
    text(1, 4, QStringLiteral("作業員名簿"), centre);
    sheet().merges.push_back({1, 4, 4, 4});
    const RenderProbe probe(book);
    const QRectF merge = probe.cell(0, 1, 4, 4, 4);
    const QRect ink = RenderProbe::inked(probe.page(0), merge);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_NEAR(QRectF(ink).center().x(), merge.center().x(), 2.0);
    EXPECT_NEAR(QRectF(ink).center().y(), merge.center().y(), 3.0);
}

TEST_F(Render, WrappedAndShrunkTextStaysInItsCell)
{
    const QString longText = QStringLiteral("折り返して複数の行に分かれる長い文章です");
    Alignment wrap;
    wrap.wrapText = true;
    wrap.vertical = QStringLiteral("top");
    text(2, 7, longText, wrap);
    sheet().rows[7].height = 60;
    Alignment shrink;
    shrink.shrinkToFit = true;
    text(2, 9, longText, shrink);
    const RenderProbe probe(book);
    const QImage page = probe.page(0);
    const QRectF wrapped = probe.cell(0, 2, 7);
    const QRect ink = RenderProbe::inked(page, wrapped.adjusted(-30, -10, 60, 10));
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_TRUE(wrapped.adjusted(-0.5, -0.5, 0.5, 0.5).contains(QRectF(ink))) << "wrapped text stays inside";
    EXPECT_GT(ink.height(), 25) << "it takes several lines";
    const QRectF shrunk = probe.cell(0, 2, 9);
    const QRect small = RenderProbe::inked(page, shrunk.adjusted(-30, -5, 60, 5));
    ASSERT_FALSE(small.isEmpty());
    EXPECT_TRUE(shrunk.adjusted(-0.5, -0.5, 0.5, 0.5).contains(QRectF(small))) << "shrunk text stays inside";
    EXPECT_GT(small.width(), shrunk.width() * 0.8) << "and still fills the cell";
}

TEST_F(Render, VerticalTextRunsDownTheColumn)
{
    Alignment stacked;
    stacked.textRotation = 255;
    stacked.horizontal = QStringLiteral("center");
    stacked.vertical = QStringLiteral("center");
    text(5, 2, QStringLiteral("縦書き"), stacked);
    sheet().merges.push_back({5, 2, 5, 6});
    const RenderProbe probe(book);
    const QRectF column = probe.cell(0, 5, 2, 5, 6);
    const QRect ink = RenderProbe::inked(probe.page(0), column);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_GT(ink.height(), 2.5 * ink.width());
    EXPECT_NEAR(QRectF(ink).center().x(), column.center().x(), 2.0);
}

TEST_F(Render, BordersShowWhereTheyWereSet)
{
    Border lines;
    lines.top = {LineStyle::Thick, CellColor::indexed(10)};
    lines.right = {LineStyle::Thin, CellColor::indexed(8)};
    lines.diagonal = {LineStyle::Thin, CellColor::indexed(12)};
    lines.diagonalUp = true;
    border(3, 10, lines);
    const RenderProbe probe(book);
    const QImage page = probe.page(0);
    const QRectF cell = probe.cell(0, 3, 10);
    const QRect red = RenderProbe::coloured(page, QColor(255, 0, 0));
    ASSERT_FALSE(red.isEmpty());
    EXPECT_NEAR(red.left(), cell.left(), 2);
    EXPECT_NEAR(red.right(), cell.right(), 2);
    EXPECT_NEAR(red.center().y(), cell.top(), 2);
    EXPECT_FALSE(RenderProbe::inked(page, QRectF(cell.right() - 1, cell.top() + 3, 2, cell.height() - 6)).isEmpty());
    EXPECT_TRUE(RenderProbe::inked(page, QRectF(cell.left() - 1, cell.top() + 3, 2, cell.height() / 2 - 3)).isEmpty())
        << "no left line";
    const QRect blue = RenderProbe::coloured(page, QColor(0, 0, 255), 200);
    ASSERT_FALSE(blue.isEmpty());
    EXPECT_NEAR(blue.center().x(), cell.center().x(), 3);
    EXPECT_NEAR(blue.center().y(), cell.center().y(), 3);
}

TEST_F(Render, EveryLineStyleDraws)
{
    for (int style = 1; style <= 13; ++style) {
        Border lines;
        lines.bottom = {LineStyle(style), CellColor::indexed(8)};
        border(1 + (style - 1) % 6, 1 + (style - 1) / 6 * 2, lines);
    }
    const RenderProbe probe(book);
    const QImage page = probe.page(0);
    for (int style = 1; style <= 13; ++style) {
        const QRectF cell = probe.cell(0, 1 + (style - 1) % 6, 1 + (style - 1) / 6 * 2);
        const int threshold = style == int(LineStyle::Hair) ? 230 : 160;
        EXPECT_FALSE(
            RenderProbe::inked(page, QRectF(cell.left() + 2, cell.bottom() - 2, cell.width() - 4, 4), threshold)
                .isEmpty())
            << "line style " << style;
    }
}

TEST_F(Render, PicturesAndShapesStandAtTheirAnchorsWithTheirRatio)
{
    QTemporaryDir dir;
    const QString templatePath = dir.filePath(QStringLiteral("pictures.xlsx"));
    text(2, 2, QStringLiteral("**PHOTO"));
    TemplateFactory::save(book, templatePath);
    QImage red(300, 400, QImage::Format_RGB32);
    red.fill(Qt::red);
    Celvane engine;
    engine.FileName(templatePath);
    engine.Document().Begin();
    engine.Page().Open(QStringLiteral("表"));
    engine.Cell(QStringLiteral("**PHOTO")).Value(QString());
    engine.Cell(QStringLiteral("**PHOTO")).Drawing().AddPicture(CelvaneOlePicture(red), 3, 2, std::nullopt, 40);
    engine.Cell(QStringLiteral("**PHOTO"), 2, 0).Drawing().AddShape(0, 0, 20, 10, {50, 12, {}, {}, {}, {}, 2});
    engine.Page().Close();
    const Workbook &document = engine.finishedDocument();
    const RenderProbe probe(document);
    const QImage page = probe.page(0);
    const QRectF anchor = probe.cell(0, 2, 2);
    const double mm = 72 / 25.4;
    const QRect picture = RenderProbe::coloured(page, Qt::red);
    ASSERT_FALSE(picture.isEmpty());
    EXPECT_NEAR(picture.left(), anchor.left() + 3 * mm, 1.5);
    EXPECT_NEAR(picture.top(), anchor.top() + 2 * mm, 1.5);
    EXPECT_NEAR(picture.height(), 40 * mm, 2);
    EXPECT_NEAR(double(picture.width()) / picture.height(), 0.75, 0.02);
    const QRect ring = RenderProbe::coloured(page, QColor(0, 0, 255), 200);
    ASSERT_FALSE(ring.isEmpty());
    EXPECT_NEAR(ring.left(), probe.cell(0, 4, 2).left(), 2);
    EXPECT_NEAR(ring.width(), 20 * mm, 3);
    EXPECT_NEAR(ring.height(), 10 * mm, 3);
    EXPECT_TRUE(RenderProbe::inked(page, QRectF(ring.center() - QPointF(3, 3), QSizeF(6, 6)), 250).isEmpty())
        << "a ring, not a filled disc";
}

TEST_F(Render, PagesSplitWhereTheBreaksAre)
{
    sheet().printArea.reset();
    for (int r = 1; r <= 30; ++r)
        text(1, r, QStringLiteral("行%1").arg(r));
    sheet().rowBreaks = {10, 20};
    const auto pages = PageLayout::paginate(book);
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_EQ(pages[0].lastRow, 10);
    EXPECT_EQ(pages[1].firstRow, 11);
    EXPECT_EQ(pages[2].firstRow, 21);
    EXPECT_EQ(pages[2].lastRow, 30);
    // Without breaks the rows run on until the paper is full.
    sheet().rowBreaks.clear();
    for (int r = 31; r <= 60; ++r)
        text(1, r, QStringLiteral("行%1").arg(r));
    const auto flowing = PageLayout::paginate(book);
    ASSERT_EQ(flowing.size(), 2u);
    const double room = flowing[0].paper.height() - (0.75 + 0.75) * 72;
    EXPECT_EQ(flowing[0].lastRow, 12 + int((room - 12 * 20) / 15)) << "twelve rows of 20 points, then 15";
}

TEST_F(Render, TitleRowsRepeatOnEveryPage)
{
    sheet().printArea.reset();
    text(1, 1, QStringLiteral("見出し"));
    for (int r = 2; r <= 150; ++r)
        text(1, r, QStringLiteral("行%1").arg(r));
    book.definedNames.push_back({QStringLiteral("_xlnm.Print_Titles"), 0, QStringLiteral("'表'!$1:$1"), {}});
    const auto pages = PageLayout::paginate(book);
    ASSERT_GE(pages.size(), 2u);
    EXPECT_EQ(pages[0].titleFirst, 0) << "the first page has the title rows of its own";
    EXPECT_EQ(pages[1].titleFirst, 1);
    EXPECT_EQ(pages[1].titleLast, 1);
    const double room = pages[1].paper.height() - (0.75 + 0.75) * 72;
    EXPECT_EQ(pages[1].lastRow - pages[1].firstRow + 1, int((room - 20) / 15)) << "the 20-point title takes its room";
    const RenderProbe probe(book);
    const QImage second = probe.page(1);
    const QRect title = RenderProbe::inked(second, QRectF(pages[1].origin, QSizeF(60, 20)));
    const QRect first = RenderProbe::inked(second, QRectF(pages[1].origin + QPointF(0, 20), QSizeF(60, 20)));
    EXPECT_FALSE(title.isEmpty());
    EXPECT_FALSE(first.isEmpty());
}

TEST_F(Render, PaperScaleFitAndCentring)
{
    text(1, 1, QStringLiteral("左上"));
    text(6, 12, QStringLiteral("右下"));
    PageSetup &setup = sheet().pageSetup;
    setup.paperSize = 12;  // B4
    setup.landscape = true;
    setup.centerHorizontally = true;
    auto pages = PageLayout::paginate(book);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_NEAR(pages[0].paper.width(), 364 * 72 / 25.4, 1.0);
    const double width = 6 * 10 * 0.63 * 11;
    EXPECT_NEAR(pages[0].origin.x(), (pages[0].paper.width() - width) / 2, 1.0);

    sheet().columns.front().width = 60;  // far wider than the paper
    setup.fitToPage = true;
    setup.fitToWidth = 1;
    setup.fitToHeight = 0;
    pages = PageLayout::paginate(book);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_NEAR(pages[0].scale, (pages[0].paper.width() - 1.4 * 72) / (6 * 60 * 0.63 * 11), 0.01);
    setup.fitToPage = false;
    setup.scale = 50;
    pages = PageLayout::paginate(book);
    EXPECT_DOUBLE_EQ(pages[0].scale, 0.5);
    EXPECT_EQ(pages.size(), 2u) << "half of 360 digits still needs two pages across";
}

TEST_F(Render, FooterCarriesThePageNumbers)
{
    sheet().pageSetup.oddFooter = QStringLiteral("&C&P / &N&R&A");
    text(1, 1, QStringLiteral("本文"));
    const RenderProbe probe(book);
    const QImage page = probe.page(0);
    const double footerTop = page.height() - 0.3 * 72 - 14;
    const QRect centre = RenderProbe::inked(page, QRectF(page.width() / 2.0 - 40, footerTop, 80, 14));
    ASSERT_FALSE(centre.isEmpty());
    EXPECT_NEAR(QRectF(centre).center().x(), page.width() / 2.0, 4);
    EXPECT_FALSE(RenderProbe::inked(page, QRectF(page.width() - 0.7 * 72 - 30, footerTop, 30, 14)).isEmpty())
        << "the sheet's name stands right";
}

TEST(CellTextFormat, NumbersShowInTheirFormat)
{
    EXPECT_EQ(CellText::formatNumber(1234.5, QStringLiteral("General")), QStringLiteral("1234.5"));
    EXPECT_EQ(CellText::formatNumber(1234567, QStringLiteral("#,##0")), QStringLiteral("1,234,567"));
    EXPECT_EQ(CellText::formatNumber(3.14159, QStringLiteral("0.00")), QStringLiteral("3.14"));
    EXPECT_EQ(CellText::formatNumber(0.256, QStringLiteral("0.0%")), QStringLiteral("25.6%"));
    EXPECT_EQ(CellText::formatNumber(1500, QStringLiteral("#,##0\"円\"")), QStringLiteral("1,500円"));
    EXPECT_EQ(CellText::formatNumber(-5, QStringLiteral("0")), QStringLiteral("-5"));
    EXPECT_EQ(CellText::formatNumber(45383, QStringLiteral("yyyy/m/d")), QStringLiteral("2024/4/1"));
    EXPECT_EQ(CellText::formatNumber(1.0 / 3, QStringLiteral("General")), QStringLiteral("0.333333333"));
}

TEST_F(Render, PdfHasEveryPageAndItsText)
{
    for (int r = 1; r <= 30; ++r)
        text(1, r, QStringLiteral("作業員%1").arg(r));
    sheet().printArea.reset();
    sheet().rowBreaks = {15};
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("out.pdf"));
    DocumentRenderer(book).savePdf(pdf);
    EXPECT_EQ(LibreOfficePeer::pageCount(pdf), 2);
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-f"), QStringLiteral("2"), pdf, QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished(30000));
    const QString second = QString::fromUtf8(text.readAllStandardOutput());
    EXPECT_TRUE(second.contains(QStringLiteral("作業員16")));
    EXPECT_FALSE(second.contains(QStringLiteral("作業員15\n")));

    // A folder in the way is reported, never written into or replaced.
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("blocked.pdf/x")));
    EXPECT_THROW(DocumentRenderer(book).savePdf(dir.filePath(QStringLiteral("blocked.pdf"))), CelvaneError);
}

TEST_F(Render, NumbersThatDoNotFitShowHashes)
{
    sheet().columns.insert(sheet().columns.begin(), {2, 2, 4.0, true, false, -1, {}});
    sheet().columns.insert(sheet().columns.begin(), {4, 4, 3.0, true, false, -1, {}});
    sheet().columns.insert(sheet().columns.begin(), {5, 5, 20.0, true, false, -1, {}});
    book.styles.numberFormats[164] = QStringLiteral("[$-411]ggge\"年\"m\"月\"d\"日\"");
    CellFormat era;
    era.numFmtId = 164;
    const int eraStyle = TemplateFactory::addFormat(book, era);
    for (int column : {2, 5}) {
        Cell &date = sheet().cellAt(column, 2);
        date.type = Cell::Type::Number;
        date.number = 45392;  // 2024-04-10
        date.style = eraStyle;
    }
    Cell &third = sheet().cellAt(4, 2);
    third.type = Cell::Type::Number;
    third.number = 1.0 / 3;
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("narrow.pdf"));
    DocumentRenderer(book).savePdf(pdf);
    const QString text = pdfText(pdf, 1);
    EXPECT_TRUE(text.contains(QStringLiteral("###"))) << text;
    EXPECT_EQ(text.count(QStringLiteral("令和6年4月10日")), 1) << "the wide column shows the date whole";
    EXPECT_FALSE(text.contains(QStringLiteral("024年"))) << "a number is never cut on the left";
    EXPECT_TRUE(text.contains(QStringLiteral("0.3"))) << "General shortens to fit: " << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("0.333333333")));
}

TEST_F(Render, MergedBlockSplitByAPageBreakShowsItsTextWhereItFalls)
{
    Alignment centre;
    centre.horizontal = QStringLiteral("center");
    centre.vertical = QStringLiteral("center");
    text(1, 3, QStringLiteral("分割された見出し"), centre);
    book.styles.fills.push_back({QStringLiteral("solid"), CellColor::rgb(0xFFFFFF00), {}, {}});
    CellFormat yellow = book.styles.format(sheet().cellAt(1, 3).style);
    yellow.fillId = int(book.styles.fills.size()) - 1;
    sheet().cellAt(1, 3).style = TemplateFactory::addFormat(book, yellow);
    sheet().merges.push_back({1, 3, 2, 12});
    sheet().rowBreaks = {6};
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("split.pdf"));
    DocumentRenderer(book).savePdf(pdf);
    ASSERT_EQ(LibreOfficePeer::pageCount(pdf), 2);
    EXPECT_TRUE(pdfText(pdf, 2).contains(QStringLiteral("分割された見出し"))) << "its middle lies on page two";
    const RenderProbe probe(book);
    for (int page = 0; page < 2; ++page)
        EXPECT_FALSE(RenderProbe::coloured(probe.page(page), QColor(255, 255, 0), 30).isEmpty())
            << "page " << page + 1 << " shows its part of the block";
}

TEST_F(Render, OnlyPagesWithSomethingOnThemArePrinted)
{
    sheet().printArea.reset();
    text(1, 1, QStringLiteral("左"));
    text(60, 1, QStringLiteral("右"));
    // Formats that put nothing on paper make no page, however far away they lie.
    CellFormat fontOnly;
    fontOnly.fontId = 0;
    fontOnly.numFmtId = 14;
    sheet().cellAt(16384, 1048576).style = TemplateFactory::addFormat(book, fontOnly);
    sheet().rows[1048575].height = 30;
    sheet().rows[1048575].customHeight = true;
    Worksheet empty;
    empty.name = QStringLiteral("空");
    book.sheets.push_back(empty);
    EXPECT_EQ(PageLayout::paginate(book).size(), 2u) << "the empty strip between and the empty sheet print nothing";

    Border box;
    box.bottom = {LineStyle::Thin, CellColor::automatic()};
    border(1, 200, box);
    EXPECT_EQ(PageLayout::paginate(book).size(), 3u) << "a line is something to print";
}

TEST_F(Render, ColumnsCountDigitsOfTheMetricCompatibleFace)
{
    const auto width = [this](const QString &face) {
        book.styles.fonts.front().name = face;
        return SheetGeometry(sheet(), book.styles).columnWidth(1);
    };
    EXPECT_NEAR(width(QStringLiteral("Calibri")), 10 * 196 * 72 / 2540.0, 0.01) << "Carlito's digit";
    EXPECT_NEAR(width(QStringLiteral("ＭＳ Ｐゴシック")), 10 * 244 * 72 / 2540.0, 0.01);
    EXPECT_NEAR(width(QStringLiteral("ＭＳ 明朝")), 10 * 194 * 72 / 2540.0, 0.01);
    sheet().columns.clear();
    book.styles.fonts.front().name = QStringLiteral("Calibri");
    EXPECT_NEAR(SheetGeometry(sheet(), book.styles).columnWidth(1), 8 * 196 * 72 / 2540.0 + 3.75, 0.01)
        << "eight digits and five pixels";
}

TEST_F(Render, BoldWithoutABoldFaceIsStillBold)
{
    book.styles.fonts.front().name = QStringLiteral("ＭＳ 明朝");
    Font bold = book.styles.fonts.front();
    bold.bold = true;
    book.styles.fonts.push_back(bold);
    text(2, 2, QStringLiteral("明朝体の見出し"));
    text(2, 4, QStringLiteral("明朝体の見出し"));
    CellFormat heavy = book.styles.format(sheet().cellAt(2, 4).style);
    heavy.fontId = 1;
    sheet().cellAt(2, 4).style = TemplateFactory::addFormat(book, heavy);
    const RenderProbe probe(book);
    const QImage page = probe.page(0);
    const int regular = darkPixels(page, probe.cell(0, 2, 2, 4, 2));
    EXPECT_GT(darkPixels(page, probe.cell(0, 2, 4, 4, 4)), regular * 1.15);
}

TEST_F(Render, AFillKeepsTheSymbolLeftAndTheNumberRight)
{
    sheet().columns.insert(sheet().columns.begin(), {2, 2, 24.0, true, false, -1, {}});
    CellFormat accounting;
    accounting.numFmtId = 42;
    Cell &amount = sheet().cellAt(2, 2);
    amount.type = Cell::Type::Number;
    amount.number = 1234;
    amount.style = TemplateFactory::addFormat(book, accounting);
    const RenderProbe probe(book);
    const QImage page = probe.page(0);
    const QRectF cell = probe.cell(0, 2, 2);
    EXPECT_FALSE(RenderProbe::inked(page, QRectF(cell.left(), cell.top(), 15, cell.height())).isEmpty());
    EXPECT_TRUE(RenderProbe::inked(page, QRectF(cell.left() + 25, cell.top() + 1, 60, cell.height() - 2)).isEmpty());
    EXPECT_FALSE(RenderProbe::inked(page, QRectF(cell.right() - 30, cell.top(), 30, cell.height())).isEmpty());
}

}  // namespace
