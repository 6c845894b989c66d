#include "CelvaneError.h"
#include "TemplateFactory.h"
#include "XlsxReader.h"
#include "XlsxWriter.h"
#include "ZipArchive.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace celvane;

namespace {

class XlsxRoundTrip : public ::testing::Test
{
protected:
    Workbook roundTrip(const Workbook &book)
    {
        const QString path = dir.filePath(QStringLiteral("book.xlsx"));
        XlsxWriter::write(book, path);
        return XlsxReader::read(path);
    }
    QTemporaryDir dir;
};

TEST_F(XlsxRoundTrip, KeepsCellsStylesAndLayout)
{
    Workbook book = TemplateFactory::roster();
    Worksheet &sheet = book.sheets[0];
    Cell &number = sheet.cellAt(3, 5);
    number.type = Cell::Type::Number;
    number.number = 42.5;
    Cell &spaced = sheet.cellAt(2, 6);
    spaced.type = Cell::Type::Text;
    spaced.text = QStringLiteral("  前後に空白\n二行目 ");

    Font font;
    font.name = QStringLiteral("ＭＳ 明朝");
    font.size = 9;
    font.italic = true;
    font.underline = QStringLiteral("double");
    font.color = CellColor::rgb(0xFFFF0000);
    book.styles.fonts.push_back(font);
    book.styles.fills.push_back({QStringLiteral("solid"), CellColor::indexed(13), CellColor::indexed(64), {}});
    Border all;
    all.left = {LineStyle::Dotted, CellColor::indexed(10)};
    all.right = {LineStyle::Double, CellColor::automatic()};
    all.top = {LineStyle::MediumDashed, CellColor::indexed(12)};
    all.bottom = {LineStyle::Hair, CellColor::rgb(0xFF00FF00)};
    all.diagonal = {LineStyle::Thin, CellColor::indexed(8)};
    all.diagonalDown = true;
    book.styles.borders.push_back(all);
    CellFormat format;
    format.fontId = int(book.styles.fonts.size()) - 1;
    format.fillId = int(book.styles.fills.size()) - 1;
    format.borderId = int(book.styles.borders.size()) - 1;
    format.numFmtId = 164;
    book.styles.numberFormats[164] = QStringLiteral("#,##0.0\"円\"");
    format.alignment.horizontal = QStringLiteral("right");
    format.alignment.vertical = QStringLiteral("top");
    format.alignment.wrapText = true;
    format.alignment.shrinkToFit = true;
    format.alignment.textRotation = 255;
    format.alignment.indent = 2;
    number.style = TemplateFactory::addFormat(book, format);

    sheet.rows[7].hidden = true;
    sheet.columns.push_back({5, 5, 3.0, true, true, -1, {}});
    sheet.rowBreaks = {6};
    sheet.columnBreaks = {4};
    PageSetup &page = sheet.pageSetup;
    page.paperSize = 8;
    page.scale = 85;
    page.marginLeft = 0.4;
    page.marginTop = 1.1;
    page.centerHorizontally = true;
    page.headerFooterXml = QStringLiteral("<headerFooter><oddFooter>&amp;P / &amp;N</oddFooter></headerFooter>");

    const Workbook back = roundTrip(book);
    ASSERT_EQ(back.sheets.size(), 2u);
    const Worksheet &read = back.sheets[0];
    EXPECT_EQ(read.name, QStringLiteral("名簿"));
    EXPECT_EQ(read.findCell(2, 2)->text, QStringLiteral("**NAME"));
    EXPECT_EQ(read.findCell(2, 6)->text, spaced.text);
    const Cell *readNumber = read.findCell(3, 5);
    ASSERT_NE(readNumber, nullptr);
    EXPECT_EQ(readNumber->type, Cell::Type::Number);
    EXPECT_DOUBLE_EQ(readNumber->number, 42.5);

    const CellFormat &readFormat = back.styles.format(readNumber->style);
    EXPECT_EQ(readFormat.alignment.horizontal, QStringLiteral("right"));
    EXPECT_EQ(readFormat.alignment.vertical, QStringLiteral("top"));
    EXPECT_TRUE(readFormat.alignment.wrapText);
    EXPECT_TRUE(readFormat.alignment.shrinkToFit);
    EXPECT_EQ(readFormat.alignment.textRotation, 255);
    EXPECT_EQ(readFormat.alignment.indent, 2);
    EXPECT_EQ(back.styles.numberFormats.value(readFormat.numFmtId), QStringLiteral("#,##0.0\"円\""));
    EXPECT_EQ(back.styles.fontOf(readNumber->style), font);
    EXPECT_EQ(back.styles.fillOf(readNumber->style).foreground, CellColor::indexed(13));
    EXPECT_EQ(back.styles.borderOf(readNumber->style), all);

    EXPECT_EQ(read.merges, std::vector<CellRange>({{1, 1, 4, 1}}));
    EXPECT_DOUBLE_EQ(read.rowHeightPoints(2), 30.0);
    EXPECT_TRUE(read.isRowHidden(7));
    EXPECT_TRUE(read.isColumnHidden(5));
    EXPECT_DOUBLE_EQ(read.columnInfo(2)->width, 20.0);
    EXPECT_EQ(read.rowBreaks, std::vector<int>{6});
    EXPECT_EQ(read.columnBreaks, std::vector<int>{4});
    ASSERT_TRUE(read.printArea.has_value());
    EXPECT_EQ(*read.printArea, (CellRange{1, 1, 6, 12}));
    EXPECT_EQ(read.pageSetup.paperSize, 8);
    EXPECT_EQ(read.pageSetup.scale, 85);
    EXPECT_TRUE(read.pageSetup.landscape);
    EXPECT_DOUBLE_EQ(read.pageSetup.marginLeft, 0.4);
    EXPECT_DOUBLE_EQ(read.pageSetup.marginTop, 1.1);
    EXPECT_TRUE(read.pageSetup.centerHorizontally);
    EXPECT_EQ(read.pageSetup.oddFooter, QStringLiteral("&P / &N"));
}

TEST_F(XlsxRoundTrip, KeepsWhatTheModelDoesNotKnow)
{
    Workbook book = TemplateFactory::roster();
    book.otherParts[QStringLiteral("customXml/item1.xml")] = "<note>kept</note>";
    book.contentTypeOverrides[QStringLiteral("/customXml/item1.xml")] = QStringLiteral("application/xml");
    book.sheets[0].otherElements.push_back(
        {QStringLiteral("dataValidations"),
         QStringLiteral("<dataValidations count=\"1\"><dataValidation type=\"list\" "
                        "sqref=\"B2\"><formula1>\"甲,乙\"</formula1></dataValidation></dataValidations>")});
    Cell &rich = book.sheets[0].cellAt(2, 4);
    rich.type = Cell::Type::Text;
    rich.text = QStringLiteral("赤青");
    rich.richTextXml = QStringLiteral("<r><rPr><color rgb=\"FFFF0000\"/></rPr><t>赤</t></r><r><t>青</t></r>");

    const QString first = dir.filePath(QStringLiteral("first.xlsx"));
    XlsxWriter::write(book, first);
    const Workbook back = XlsxReader::read(first);
    EXPECT_EQ(back.otherParts.at(QStringLiteral("customXml/item1.xml")), QByteArray("<note>kept</note>"));
    ASSERT_EQ(back.sheets[0].otherElements.size(), 1u);
    EXPECT_EQ(back.sheets[0].otherElements[0].xml, book.sheets[0].otherElements[0].xml);
    EXPECT_EQ(back.sheets[0].findCell(2, 4)->richTextXml, rich.richTextXml);
    EXPECT_EQ(back.sheets[0].findCell(2, 4)->text, QStringLiteral("赤青"));

    // A second pass changes nothing: what was read is written the same way again.
    const QString second = dir.filePath(QStringLiteral("second.xlsx"));
    XlsxWriter::write(back, second);
    const auto a = ZipArchive::read(first);
    const auto b = ZipArchive::read(second);
    ASSERT_EQ(a.size(), b.size());
    for (const auto &[path, bytes] : a)
        EXPECT_EQ(bytes, b.at(path)) << path.toStdString();
}

TEST_F(XlsxRoundTrip, KeepsPicturesAndShapesWithTheirAnchors)
{
    Workbook book = TemplateFactory::roster();
    DrawingObject picture;
    picture.kind = DrawingObject::Kind::Picture;
    picture.anchor = DrawingObject::Anchor::OneCell;
    picture.from = {3, 1, 36000, 72000};
    picture.width = 34 * kEmuPerMillimetre;
    picture.height = 41 * kEmuPerMillimetre;
    auto image = std::make_shared<ImageData>();
    image->bytes = TemplateFactory::jpeg(40, 48);
    image->extension = QStringLiteral("jpeg");
    picture.image = image;
    DrawingObject ring;
    ring.kind = DrawingObject::Kind::Shape;
    ring.anchor = DrawingObject::Anchor::TwoCell;
    ring.editAs = QStringLiteral("oneCell");
    ring.from = {5, 0, 0, 0};
    ring.to = {6, 1, 1000, 2000};
    ring.width = 8 * kEmuPerMillimetre;
    ring.height = 8 * kEmuPerMillimetre;
    ring.geometry = DrawingObject::Geometry::Ellipse;
    ring.line = {LineStyle::Medium, CellColor::indexed(10)};
    book.sheets[0].drawings = {picture, ring};

    const Workbook back = roundTrip(book);
    const auto &drawings = back.sheets[0].drawings;
    ASSERT_EQ(drawings.size(), 2u);
    EXPECT_EQ(drawings[0].kind, DrawingObject::Kind::Picture);
    EXPECT_EQ(drawings[0].anchor, DrawingObject::Anchor::OneCell);
    EXPECT_EQ(drawings[0].from, picture.from);
    EXPECT_EQ(drawings[0].width, picture.width);
    EXPECT_EQ(drawings[0].height, picture.height);
    ASSERT_TRUE(drawings[0].image);
    EXPECT_EQ(drawings[0].image->bytes, picture.image->bytes);

    // Saved again, the picture is not stored twice.
    const QString again = dir.filePath(QStringLiteral("again.xlsx"));
    XlsxWriter::write(back, again);
    int media = 0;
    for (const auto &[path, bytes] : ZipArchive::read(again))
        media += path.startsWith(QLatin1String("xl/media/"));
    EXPECT_EQ(media, 1);
    EXPECT_EQ(XlsxReader::read(again).sheets[0].drawings[0].image->bytes, picture.image->bytes);
    EXPECT_EQ(drawings[1].kind, DrawingObject::Kind::Shape);
    EXPECT_EQ(drawings[1].geometry, DrawingObject::Geometry::Ellipse);
    EXPECT_EQ(drawings[1].from, ring.from);
    EXPECT_EQ(drawings[1].to, ring.to);
    EXPECT_EQ(drawings[1].line.style, LineStyle::Medium);
    EXPECT_EQ(drawings[1].line.color, CellColor::rgb(0xFF0000));
}

TEST_F(XlsxRoundTrip, RefusesWhatIsNoWorkbook)
{
    const QString path = dir.filePath(QStringLiteral("broken.xlsx"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a zip");
    file.close();
    EXPECT_THROW(XlsxReader::read(path), CelvaneError);

    ZipArchive::write(path, {{QStringLiteral("[Content_Types].xml"), "<Types/>", true}});
    try {
        XlsxReader::read(path);
        FAIL() << "a package without a workbook was read";
    } catch (const CelvaneError &error) {
        EXPECT_TRUE(error.message().contains(QStringLiteral("ブックの本体がありません")));
    }
}

TEST(CellAddress, StaysInsideTheSheet)
{
    int column = 0, row = 0;
    EXPECT_TRUE(CellRange::parseCell(u"XFD1048576", column, row));
    EXPECT_EQ(column, 16384);
    EXPECT_FALSE(CellRange::parseCell(u"XFE1", column, row));
    EXPECT_FALSE(CellRange::parseCell(u"ZZZZZZZZZZZZ1", column, row));
    EXPECT_FALSE(CellRange::parseCell(u"A1048577", column, row));
    EXPECT_FALSE(CellRange::parseCell(u"A0", column, row));
    CellRange range;
    EXPECT_TRUE(CellRange::parse(u"$B$3:$D$7", range));
    EXPECT_EQ(range, (CellRange{2, 3, 4, 7}));
    EXPECT_EQ(range.toAbsoluteString(), QStringLiteral("$B$3:$D$7"));
    EXPECT_EQ(CellRange::columnName(28), QStringLiteral("AB"));
}

TEST_F(XlsxRoundTrip, SaveRefusesLinksAndDevicesAndKeepsTheOldFile)
{
    const QString path = dir.filePath(QStringLiteral("kept.xlsx"));
    XlsxWriter::write(TemplateFactory::roster(), path);
    QFile before(path);
    ASSERT_TRUE(before.open(QIODevice::ReadOnly));
    const QByteArray original = before.readAll();
    before.close();
    const QString link = dir.filePath(QStringLiteral("link.xlsx"));
    ASSERT_TRUE(QFile::link(path, link));
    try {
        XlsxWriter::write(TemplateFactory::wideRoster(), link);
        ADD_FAILURE() << "a save through a link must be refused";
    } catch (const CelvaneError &error) {
        EXPECT_TRUE(error.message().contains(link)) << error.message().toStdString();
    }
    EXPECT_THROW(XlsxWriter::write(TemplateFactory::wideRoster(), QStringLiteral("/dev/null")), CelvaneError);
    EXPECT_THROW(XlsxWriter::write(TemplateFactory::wideRoster(), dir.path()), CelvaneError);
    QFile after(path);
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), original);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2) << "no temporary file is left";
}

}  // namespace
