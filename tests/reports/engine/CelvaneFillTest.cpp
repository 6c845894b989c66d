#include "Celvane.h"
#include "CellBorders.h"
#include "CelvaneError.h"
#include "SheetGeometry.h"
#include "TemplateFactory.h"
#include "XlsxReader.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace celvane;

namespace {

class CelvaneFill : public ::testing::Test
{
protected:
    void SetUp() override
    {
        templatePath = dir.filePath(QStringLiteral("roster.xlsx"));
        TemplateFactory::save(TemplateFactory::roster(), templatePath);
        engine.FileName(templatePath);
    }
    Workbook saved()
    {
        const QString path = dir.filePath(QStringLiteral("out.xlsx"));
        engine.saveAs(path);
        return XlsxReader::read(path);
    }
    static QString textAt(const Worksheet &sheet, int column, int row)
    {
        const Cell *cell = sheet.findCell(column, row);
        return cell ? cell->text : QString();
    }
    // The roster's way: a header per page, ten people per page.
    void fillPeople(int count)
    {
        engine.Document().Begin();
        engine.Page().Open(QStringLiteral("名簿"), QStringLiteral("1"));
        TemplateFactory::fillPeople(
            engine, count, [this] { engine.Cell(QStringLiteral("**TITLE")).Value(QStringLiteral("作業員名簿")); },
            [this](int i, int r) {
                engine.Cell(QStringLiteral("**NAME"), 0, r).Value(QStringLiteral("人%1").arg(i + 1));
                engine.Cell(QStringLiteral("**AGE"), 0, r).Value(20 + i);
            });
        engine.Page().Close();
    }

    QTemporaryDir dir;
    QString templatePath;
    Celvane engine;
};

TEST_F(CelvaneFill, WritesValuesAtMarkersAndOffsets)
{
    engine.Document().Begin();
    engine.Page().Open(QStringLiteral("名簿"));
    engine.Cell(QStringLiteral("**DATE")).Value(QStringLiteral("令和 6年 4月 1日"));
    engine.Cell(QStringLiteral("**NAME"), 0, 3).Value(QStringLiteral("山田　太郎"));
    engine.Cell(QStringLiteral("**NAME"), 1, 3).Value(35);
    engine.Cell(QStringLiteral("**NAME"), -1, 0).Value(QStringLiteral("1"));
    engine.Page().Close();

    const Workbook book = saved();
    ASSERT_EQ(book.sheets.size(), 1u) << "only the opened sheet is printed";
    const Worksheet &sheet = book.sheets[0];
    EXPECT_EQ(textAt(sheet, 6, 1), QStringLiteral("令和 6年 4月 1日"));
    EXPECT_EQ(textAt(sheet, 2, 5), QStringLiteral("山田　太郎"));
    EXPECT_EQ(sheet.findCell(3, 5)->type, Cell::Type::Number);
    EXPECT_DOUBLE_EQ(sheet.findCell(3, 5)->number, 35);
    EXPECT_EQ(textAt(sheet, 1, 2), QStringLiteral("1"));
    EXPECT_EQ(textAt(sheet, 2, 2), QString()) << "a marker the document did not write is blank";
    EXPECT_TRUE(sheet.findCell(2, 2)->style != 0) << "and keeps its format";
    // The value takes the marker cell's format.
    EXPECT_EQ(book.styles.borderOf(sheet.findCell(2, 5)->style).left.style, LineStyle::Thin);
}

TEST_F(CelvaneFill, MissingMarkerEndsTheDocumentWithItsName)
{
    engine.Document().Begin();
    engine.Page().Open(QStringLiteral("名簿"));
    try {
        engine.Cell(QStringLiteral("**NOSUCH"));
        FAIL() << "an unknown marker was accepted";
    } catch (const CelvaneError &error) {
        EXPECT_TRUE(error.message().contains(QStringLiteral("**NOSUCH")) && error.message().contains(QStringLiteral("名簿")))
            << "the message names the marker and the sheet";
    }
    EXPECT_THROW(engine.Page().Open(QStringLiteral("無いシート")), CelvaneError);
    EXPECT_THROW(engine.Cell(QStringLiteral("**NAME"), -3, 0), CelvaneError);
    engine.Page().Close();
    EXPECT_THROW(engine.Cell(QStringLiteral("**NAME")), CelvaneError) << "nothing is written after Close";
}

TEST_F(CelvaneFill, ErrorsBeforeBegin)
{
    EXPECT_THROW(engine.Page().Open(QStringLiteral("名簿")), CelvaneError);
    EXPECT_NO_THROW(engine.Page().Close()) << "error handlers close the pages of a failed document";
    engine.FileName(dir.filePath(QStringLiteral("missing.xls")));
    EXPECT_THROW(engine.Document().Begin(), CelvaneError);
}

TEST_F(CelvaneFill, OnlyTheOpenedSheetsAndTheirNamesRemain)
{
    Workbook book = TemplateFactory::roster();
    book.definedNames.push_back({QStringLiteral("会社"), -1, QStringLiteral("'名簿'!$B$2"), {}});
    book.definedNames.push_back({QStringLiteral("別紙の欄"), -1, QStringLiteral("別紙!$A$1"), {}});
    book.definedNames.push_back({QStringLiteral("_xlnm.Print_Titles"), 1, QStringLiteral("別紙!$1:$1"), {}});
    TemplateFactory::save(book, templatePath);
    engine.Document().Begin();
    engine.Page().Open(QStringLiteral("名簿"));
    engine.Page().Close();
    const Workbook out = saved();
    ASSERT_EQ(out.sheets.size(), 1u);
    ASSERT_EQ(out.definedNames.size(), 1u);
    EXPECT_EQ(out.definedNames[0].name, QStringLiteral("会社"));
    EXPECT_TRUE(out.sheets[0].printArea.has_value());
}

TEST_F(CelvaneFill, XlsNameFindsTheXlsxTemplate)
{
    TemplateFactory::save(TemplateFactory::roster(), dir.filePath(QStringLiteral("sagyoinmeibo.xlsx")));
    engine.FileName(dir.filePath(QStringLiteral("sagyoinmeibo.xls")));
    EXPECT_NO_THROW(engine.Document().Begin());
    EXPECT_EQ(engine.resolvedFileName(), dir.filePath(QStringLiteral("sagyoinmeibo.xlsx")));
}

TEST_F(CelvaneFill, ElevenPeopleMakeTwoPagesWithTheHeaderTwice)
{
    fillPeople(11);
    const Workbook book = saved();
    const Worksheet &sheet = book.sheets[0];
    // Page two starts right after the 12 rows of page one.
    EXPECT_EQ(textAt(sheet, 1, 1), QStringLiteral("作業員名簿"));
    EXPECT_EQ(textAt(sheet, 1, 13), QStringLiteral("作業員名簿"));
    EXPECT_EQ(textAt(sheet, 2, 2), QStringLiteral("人1"));
    EXPECT_EQ(textAt(sheet, 2, 11), QStringLiteral("人10"));
    EXPECT_EQ(textAt(sheet, 2, 14), QStringLiteral("人11"));
    EXPECT_EQ(textAt(sheet, 2, 15), QString()) << "the copy's own rows are fresh";
    EXPECT_EQ(textAt(sheet, 1, 12), QString()) << "unwritten markers are blank on every page";
    EXPECT_EQ(textAt(sheet, 1, 24), QString());
    EXPECT_EQ(sheet.lastUsedRow(), 24);
    // Everything of the page comes along: merges, heights, formats, and a break between.
    EXPECT_NE(std::find(sheet.merges.begin(), sheet.merges.end(), CellRange{1, 13, 4, 13}), sheet.merges.end());
    EXPECT_DOUBLE_EQ(sheet.rowHeightPoints(14), 30.0);
    EXPECT_EQ(book.styles.borderOf(sheet.findCell(4, 23)->style).bottom.style, LineStyle::Thin);
    EXPECT_EQ(sheet.rowBreaks, std::vector<int>{12});
    ASSERT_TRUE(sheet.printArea.has_value());
    EXPECT_EQ(*sheet.printArea, (CellRange{1, 1, 6, 24}));
}

TEST_F(CelvaneFill, NotesBelowThePrintAreaAreNoPartOfThePage)
{
    Workbook book = TemplateFactory::roster();
    Cell &note = book.sheets[0].cellAt(1, 15);
    note.type = Cell::Type::Text;
    note.text = QStringLiteral("テンプレートの覚え書き");
    TemplateFactory::save(book, templatePath);
    fillPeople(11);
    const Worksheet sheet = saved().sheets[0];
    EXPECT_EQ(textAt(sheet, 1, 13), QStringLiteral("作業員名簿"));
    EXPECT_EQ(sheet.lastUsedRow(), 24);
    EXPECT_EQ(*sheet.printArea, (CellRange{1, 1, 6, 24}));
}

TEST_F(CelvaneFill, TrailingNewPageAddsNoPage)
{
    fillPeople(10);
    Workbook once = saved();
    EXPECT_EQ(once.sheets[0].lastUsedRow(), 12);

    engine.Document().Begin();
    engine.Page().Open(QStringLiteral("名簿"));
    engine.Page().SetRows(1, 12);
    engine.Cell(QStringLiteral("**NAME")).Value(QStringLiteral("一人目"));
    engine.Page().NewPage(true);
    engine.Page().Close();
    const Workbook book = saved();
    EXPECT_EQ(book.sheets[0].lastUsedRow(), 12);
    EXPECT_TRUE(book.sheets[0].rowBreaks.empty());
}

TEST_F(CelvaneFill, SetRowsLimitsThePageAndLaterOffsetsCountFromTheCopy)
{
    engine.Document().Begin();
    engine.Page().Open(QStringLiteral("名簿"));
    engine.Page().SetRows(1, 11);  // the footer row is not part of the page
    engine.Cell(QStringLiteral("**NAME")).Value(QStringLiteral("一頁"));
    engine.Page().NewPage(true);
    engine.Cell(QStringLiteral("**NAME"), 0, 1).Value(QStringLiteral("二頁"));
    EXPECT_THROW(engine.Cell(QStringLiteral("**FOOT")), CelvaneError);
    engine.Page().Close();
    const Worksheet sheet = saved().sheets[0];
    EXPECT_EQ(textAt(sheet, 2, 2), QStringLiteral("一頁"));
    EXPECT_EQ(textAt(sheet, 2, 14), QStringLiteral("二頁"));
    EXPECT_EQ(sheet.lastUsedRow(), 22);
    EXPECT_EQ(textAt(sheet, 1, 12), QString()) << "the second page's title marker was never written";
}

TEST_F(CelvaneFill, PagesOfDifferentRowsFollowEachOther)
{
    engine.Document().Begin();
    engine.Page().Open(QStringLiteral("名簿"));
    engine.Page().SetRows(1, 12);
    engine.Cell(QStringLiteral("**NAME")).Value(QStringLiteral("一"));
    engine.Page().NewPage(true);
    engine.Page().SetRows(1, 6);  // a shorter page after the full one
    engine.Cell(QStringLiteral("**NAME")).Value(QStringLiteral("二"));
    engine.Page().NewPage(true);
    engine.Page().SetRows(1, 12);
    engine.Cell(QStringLiteral("**NAME")).Value(QStringLiteral("三"));
    engine.Page().Close();
    const Worksheet sheet = saved().sheets[0];
    EXPECT_EQ(textAt(sheet, 2, 2), QStringLiteral("一"));
    EXPECT_EQ(textAt(sheet, 2, 14), QStringLiteral("二"));
    EXPECT_EQ(textAt(sheet, 2, 20), QStringLiteral("三"));
    EXPECT_EQ(sheet.rowBreaks, (std::vector<int>{12, 18}));
    EXPECT_EQ(sheet.lastUsedRow(), 30);
}

TEST_F(CelvaneFill, LinesOnEdgesCarryStyleAndColour)
{
    engine.Document().Begin();
    engine.Page().Open(QStringLiteral("名簿"));
    engine.Cell(QStringLiteral("**DATE"), 0, 2).Format().TopLine(0x1000000 + 10);   // thin red
    engine.Cell(QStringLiteral("**DATE"), 0, 2).Format().LeftLine(0x5000000 + 12);  // thick blue
    engine.Cell(QStringLiteral("**DATE"), 0, 2).Format().RightLine(0x6000000 + 8);  // double black
    engine.Cell(QStringLiteral("**DATE"), 0, 3).Format().Diagonal(0x7000000 + 14);  // hair magenta
    engine.Cell(QStringLiteral("**TITLE")).Format().TopLine(0x2000000);             // merged A1:D1
    engine.Range(6, 6, 8, 8).Format().Frame(1, 0x1000000 + 8);
    engine.Range(6, 6, 8, 8).Format().Frame(0, 0x8000000 + 10);
    engine.Range(6, 6, 8, 8).Format().Frame(1, 0x3000000 + 11);
    EXPECT_THROW(engine.Cell(QStringLiteral("**DATE")).Format().TopLine(0x20000000), CelvaneError);
    engine.Page().Close();

    const Workbook book = saved();
    const Worksheet &sheet = book.sheets[0];
    const auto border = [&](int column, int row) {
        const Cell *cell = sheet.findCell(column, row);
        return cell ? book.styles.borderOf(cell->style) : Border{};
    };
    EXPECT_EQ(CellBorders::encode(border(6, 3).top), 0x1000000 + 10);
    EXPECT_EQ(CellBorders::encode(border(6, 3).left), 0x5000000 + 12);
    EXPECT_EQ(CellBorders::encode(border(6, 3).right), 0x6000000 + 8);
    EXPECT_EQ(border(6, 3).bottom.style, LineStyle::None);
    EXPECT_EQ(CellBorders::encode(border(6, 4).diagonal), 0x7000000 + 14);
    EXPECT_TRUE(border(6, 4).diagonalUp);
    for (int column = 1; column <= 4; ++column)
        EXPECT_EQ(border(column, 1).top.style, LineStyle::Medium) << column;
    EXPECT_EQ(border(1, 1).top.color, CellColor::automatic());
    // The frame line put with flag 0 replaces the thin outline; flag 1 leaves it alone.
    for (int i = 6; i <= 8; ++i) {
        EXPECT_EQ(CellBorders::encode(border(i, 6).top), 0x8000000 + 10);
        EXPECT_EQ(CellBorders::encode(border(i, 8).bottom), 0x8000000 + 10);
        EXPECT_EQ(CellBorders::encode(border(6, i).left), 0x8000000 + 10);
        EXPECT_EQ(CellBorders::encode(border(8, i).right), 0x8000000 + 10);
    }
    EXPECT_EQ(border(7, 7).top.style, LineStyle::None) << "inside the block stays empty";
}

TEST_F(CelvaneFill, EveryLineValueComesBackAsWritten)
{
    const int colours[] = {8, 10, 11, 12, 13, 14, 15};
    engine.Document().Begin();
    engine.Page().Open(QStringLiteral("名簿"));
    for (int style = 1; style <= 13; ++style)
        for (int k = 0; k < 7; ++k)
            engine.Cell(QStringLiteral("**FOOT"), 2 * k, style).Format().BottomLine(style * 0x1000000 + colours[k]);
    engine.Page().Close();
    const Workbook book = saved();
    for (int style = 1; style <= 13; ++style)
        for (int k = 0; k < 7; ++k) {
            const Cell *cell = book.sheets[0].findCell(1 + 2 * k, 12 + style);
            ASSERT_NE(cell, nullptr);
            EXPECT_EQ(CellBorders::encode(book.styles.borderOf(cell->style).bottom), style * 0x1000000 + colours[k]);
        }
}

TEST_F(CelvaneFill, RangeRowsFollowTheCurrentPage)
{
    engine.Document().Begin();
    engine.Page().Open(QStringLiteral("名簿"));
    engine.Page().SetRows(1, 12);
    engine.Cell(QStringLiteral("**NAME")).Value(QStringLiteral("x"));
    engine.Page().NewPage(true);
    engine.Range(2, 3, 3, 4).Format().Frame(0, 0x2000000 + 8);
    engine.Page().Close();
    const Workbook book = saved();
    const Worksheet &sheet = book.sheets[0];
    EXPECT_EQ(book.styles.borderOf(sheet.findCell(2, 15)->style).top.style, LineStyle::Medium);
    EXPECT_EQ(book.styles.borderOf(sheet.findCell(2, 3)->style).top.style, LineStyle::Thin);
}

TEST_F(CelvaneFill, PicturesKeepTheirRatioAndAnchor)
{
    const CelvanePicture photo = CelvaneOlePicture(TemplateFactory::jpeg(300, 400));
    EXPECT_EQ(photo.image->extension, QStringLiteral("jpeg"));
    engine.Document().Begin();
    engine.Page().Open(QStringLiteral("名簿"));
    engine.Cell(QStringLiteral("**PHOTO")).Drawing().AddPicture(photo, 1, 1, std::nullopt, 32);
    engine.Cell(QStringLiteral("**PHOTO"), 0, 1).Drawing().AddPicture(photo, 2, 1, 30, std::nullopt);
    engine.Cell(QStringLiteral("**PHOTO"), 0, 2).Drawing().AddPicture(photo, 1, 1, 10, 10);
    engine.Page().Close();

    const Workbook book = saved();
    const Worksheet &sheet = book.sheets[0];
    ASSERT_EQ(sheet.drawings.size(), 3u);
    const DrawingObject &first = sheet.drawings[0];
    EXPECT_EQ(first.kind, DrawingObject::Kind::Picture);
    EXPECT_EQ(first.from.column, 3);
    EXPECT_EQ(first.from.row, 1);
    EXPECT_EQ(first.from.columnOffset, kEmuPerMillimetre);
    EXPECT_EQ(first.from.rowOffset, kEmuPerMillimetre);
    EXPECT_EQ(first.height, 32 * kEmuPerMillimetre);
    EXPECT_EQ(first.width, 24 * kEmuPerMillimetre) << "300 × 400 keeps 3:4";
    EXPECT_EQ(sheet.drawings[1].height, 40 * kEmuPerMillimetre);
    EXPECT_EQ(sheet.drawings[1].from.row, 2);
    EXPECT_EQ(sheet.drawings[2].width, sheet.drawings[2].height);
    ASSERT_TRUE(first.image);
    EXPECT_EQ(first.image->bytes, photo.image->bytes);
}

TEST_F(CelvaneFill, OffsetsBeyondTheCellMoveTheAnchorOn)
{
    engine.Document().Begin();
    engine.Page().Open(QStringLiteral("名簿"));
    // The ring round a word: it starts 2 mm above the marker cell, in the row above.
    engine.Cell(QStringLiteral("**NAME")).Drawing().AddShape(0, -2, 8, 8, {50, {}, {}, {}, {}, {}, 2});
    engine.Cell(QStringLiteral("**NAME")).Drawing().AddShape(200, 0, 12, 4);
    EXPECT_THROW(engine.Cell(QStringLiteral("**NAME")).Drawing().AddShape(0, 0, 1, 1, {99}), CelvaneError);
    engine.Page().Close();
    const Workbook book = saved();
    const Worksheet &sheet = book.sheets[0];
    ASSERT_EQ(sheet.drawings.size(), 2u);
    const DrawingObject &ring = sheet.drawings[0];
    EXPECT_EQ(ring.kind, DrawingObject::Kind::Shape);
    EXPECT_EQ(ring.geometry, DrawingObject::Geometry::Ellipse);
    EXPECT_EQ(ring.line.style, LineStyle::Medium);
    EXPECT_EQ(ring.width, 8 * kEmuPerMillimetre);
    EXPECT_EQ(ring.from.row, 0);
    const SheetGeometry geometry(sheet, book.styles);
    const QRectF placed = geometry.objectRect(2, 2, ring);
    EXPECT_NEAR(placed.top(), -2 * 72 / 25.4, 0.01);
    EXPECT_NEAR(placed.left(), 0, 0.01);
    const QRectF far = geometry.objectRect(2, 2, sheet.drawings[1]);
    EXPECT_NEAR(far.left(), 200 * 72 / 25.4, 0.01);
    EXPECT_GT(sheet.drawings[1].from.column, 4);
}

TEST_F(CelvaneFill, PageCopiesCarryTheTemplatesPicturesAndBreaks)
{
    Workbook book = TemplateFactory::roster();
    DrawingObject stamp;
    stamp.kind = DrawingObject::Kind::Picture;
    stamp.anchor = DrawingObject::Anchor::TwoCell;
    stamp.from = {5, 0, 0, 0};
    stamp.to = {6, 1, 0, 0};
    stamp.width = stamp.height = 10 * kEmuPerMillimetre;
    stamp.image = CelvaneOlePicture(TemplateFactory::jpeg(20, 20)).image;
    book.sheets[0].drawings.push_back(stamp);
    book.sheets[0].rowBreaks = {6};  // a page of two printed halves
    TemplateFactory::save(book, templatePath);

    fillPeople(25);
    const Workbook out = saved();
    const Worksheet &sheet = out.sheets[0];
    ASSERT_EQ(sheet.drawings.size(), 3u);
    EXPECT_EQ(sheet.drawings[1].from.row, 12);
    EXPECT_EQ(sheet.drawings[2].to.row, 25);
    EXPECT_EQ(sheet.rowBreaks, (std::vector<int>{6, 12, 18, 24, 30}));
}

TEST_F(CelvaneFill, KeepsOptionsAndPageSettings)
{
    engine.Options().Set(304, 6);
    engine.Options().AllowSave(true);
    EXPECT_TRUE(engine.Options().AllowSave());
    EXPECT_EQ(engine.Options().Get(304).toInt(), 6);
    engine.Options().Set(CelvaneOptions::kAllowSave, false);
    EXPECT_FALSE(engine.Options().AllowSave());
    engine.Document().Begin();
    engine.Page().Open(QStringLiteral("名簿"), QStringLiteral("1-2"));
    engine.Page().Setup(805, 1);
    EXPECT_EQ(engine.pageSettings.value(805).toInt(), 1);
}

}  // namespace
