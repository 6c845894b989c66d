// Workbooks as other programs, damaged copies and hostile senders write them: what is kept,
// what is tolerated, and what is refused with a message instead of a crash.
#include "CelvaneError.h"
#include "QStringPrinter.h"
#include "WorkbookParts.h"
#include "XlsxReader.h"
#include "XlsxWriter.h"
#include "ZipArchive.h"

#include <QXmlStreamReader>
#include <QtEndian>
#include <gtest/gtest.h>

using namespace celvane;

namespace {

Workbook read(const WorkbookParts &parts)
{
    return XlsxReader::read(parts.parts(), QStringLiteral("test.xlsx"));
}

std::map<QString, QByteArray> written(const Workbook &book)
{
    std::map<QString, QByteArray> parts;
    for (const ZipArchive::Entry &entry : XlsxWriter::entries(book))
        parts[entry.path] = entry.bytes;
    return parts;
}

// Every XML part must be well-formed, whatever the cells held.
void expectWellFormed(const std::map<QString, QByteArray> &parts)
{
    for (const auto &[path, bytes] : parts) {
        if (!path.endsWith(QLatin1String(".xml")) && !path.endsWith(QLatin1String(".rels")))
            continue;
        QXmlStreamReader xml(bytes);
        while (!xml.atEnd())
            xml.readNext();
        EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    }
}

const Cell *cell(const Workbook &book, int column, int row)
{
    return book.sheets.at(0).findCell(column, row);
}

QString messageOf(const WorkbookParts &parts)
{
    try {
        read(parts);
    } catch (const CelvaneError &error) {
        return error.message();
    }
    return {};
}

TEST(WorkbookReading, AnEmptyValueIsNoValue)
{
    WorkbookParts parts;
    parts.sheetData = QStringLiteral("<row r=\"1\"><c r=\"A1\" s=\"0\"><f>SUM(B1:B2)</f><v></v></c>"
                                     "<c r=\"B1\"><v>5</v></c><c r=\"C1\"><v> </v></c></row>");
    const Workbook book = read(parts);
    EXPECT_EQ(cell(book, 1, 1)->type, Cell::Type::Empty) << "a formula without its result has none";
    EXPECT_FALSE(cell(book, 1, 1)->formulaXml.isEmpty());
    EXPECT_EQ(cell(book, 2, 1)->type, Cell::Type::Number);
    EXPECT_EQ(cell(book, 3, 1)->type, Cell::Type::Empty);
    const QByteArray sheet = written(book)[QStringLiteral("xl/worksheets/sheet1.xml")];
    EXPECT_TRUE(sheet.contains("<f>SUM(B1:B2)</f></c>")) << sheet.toStdString();
}

TEST(WorkbookReading, PhoneticReadingsSurviveASave)
{
    WorkbookParts parts;
    parts.strings
        = QStringLiteral("<si><t>山田太郎</t><rPh sb=\"0\" eb=\"2\"><t>ヤマダ</t></rPh><rPh sb=\"2\" eb=\"4\">"
                         "<t>タロウ</t></rPh><phoneticPr fontId=\"0\" type=\"noConversion\"/></si>");
    parts.sheetData = QStringLiteral("<row r=\"1\"><c r=\"A1\" t=\"s\"><v>0</v></c></row>");
    const Workbook book = read(parts);
    EXPECT_EQ(cell(book, 1, 1)->text, QStringLiteral("山田太郎"));
    const auto saved = written(book);
    const QString strings = QString::fromUtf8(saved.at(QStringLiteral("xl/sharedStrings.xml")));
    EXPECT_TRUE(strings.contains(QStringLiteral("ヤマダ")) && strings.contains(QStringLiteral("タロウ")))
        << strings.toStdString();
    const Workbook again = XlsxReader::read(saved, QStringLiteral("again.xlsx"));
    EXPECT_EQ(cell(again, 1, 1)->text, QStringLiteral("山田太郎"));
}

TEST(WorkbookReading, MissingOptionalPartsAreTolerated)
{
    WorkbookParts parts;
    parts.stringsPart = false;
    parts.sheetData = QStringLiteral("<row r=\"1\"><c r=\"A1\"><v>7</v></c><c r=\"B1\" t=\"s\"><v>0</v></c></row>");
    auto files = parts.parts();
    files.erase(QStringLiteral("xl/styles.xml"));
    const Workbook book = XlsxReader::read(files, QStringLiteral("sparse.xlsx"));
    EXPECT_DOUBLE_EQ(cell(book, 1, 1)->number, 7);
    EXPECT_EQ(cell(book, 2, 1)->type, Cell::Type::Empty) << "a string the workbook does not hold shows nothing";
    expectWellFormed(written(book));
}

TEST(WorkbookReading, AnUnnamedLinkIsNotTakenForTheDrawing)
{
    // A damaged link without its Id once made the reader take a part it had never read for
    // the sheet's drawing, and the saved workbook did not read back.
    WorkbookParts parts;
    parts.sheetData = QStringLiteral("<row r=\"1\"><c r=\"A1\"><v>1</v></c></row>");
    parts.anchors = QStringLiteral("<xdr:twoCellAnchor><xdr:from><xdr:col>0</xdr:col></xdr:from></xdr:wsDr>");
    auto files = parts.parts();
    QByteArray &links = files[QStringLiteral("xl/worksheets/_rels/sheet1.xml.rels")];
    links.replace("Id=\"rIdD\"", "");
    const Workbook book = XlsxReader::read(files, QStringLiteral("damaged.xlsx"));
    EXPECT_TRUE(book.sheets[0].drawings.empty());
    EXPECT_NO_THROW(XlsxReader::read(written(book), QStringLiteral("again.xlsx")));
}

TEST(WorkbookReading, APrefixedMainNamespaceIsWrittenSoOthersReadIt)
{
    WorkbookParts parts;
    parts.mainPrefix = QStringLiteral("s");
    parts.strings = QStringLiteral("<si><t>氏名</t></si>");
    parts.sheetData = QStringLiteral("<row r=\"2\"><c r=\"B2\" t=\"s\"><v>0</v></c><c r=\"C2\"><v>3</v></c></row>");
    parts.afterData = QStringLiteral("<mergeCells count=\"1\"><mergeCell ref=\"D2:E2\"/></mergeCells>");
    const Workbook book = read(parts);
    ASSERT_EQ(book.sheets.size(), 1u);
    EXPECT_EQ(cell(book, 2, 2)->text, QStringLiteral("氏名"));
    const auto saved = written(book);
    expectWellFormed(saved);
    for (const QString &part : {QStringLiteral("xl/workbook.xml"), QStringLiteral("xl/worksheets/sheet1.xml")}) {
        QXmlStreamReader xml(saved.at(part));
        ASSERT_TRUE(xml.readNextStartElement());
        EXPECT_EQ(xml.namespaceUri(), QStringLiteral("http://schemas.openxmlformats.org/spreadsheetml/2006/main"))
            << part.toStdString();
        ASSERT_TRUE(xml.readNextStartElement());
        EXPECT_EQ(xml.namespaceUri(), QStringLiteral("http://schemas.openxmlformats.org/spreadsheetml/2006/main"))
            << part.toStdString() << " " << xml.name().toString().toStdString();
    }
    const Workbook again = XlsxReader::read(saved, QStringLiteral("again.xlsx"));
    EXPECT_EQ(cell(again, 2, 2)->text, QStringLiteral("氏名"));
    EXPECT_DOUBLE_EQ(cell(again, 3, 2)->number, 3);
    EXPECT_EQ(again.sheets[0].merges.size(), 1u);
}

TEST(WorkbookReading, TextsXmlCannotHoldAreEscapedAndComeBackUnchanged)
{
    WorkbookParts parts;
    parts.sheetData = QStringLiteral("<row r=\"1\"><c r=\"A1\"><v>1</v></c></row>");
    Workbook book = read(parts);
    const QString cut = QStringLiteral("山田") + QChar(0xD842);  // 𠮷 cut in the middle
    const QString controls = QStringLiteral("a") + QChar(0x01) + QChar(0x1F) + QStringLiteral("b\r\nc");
    const QString lookalike = QStringLiteral("x_x0041_y");
    const QString texts[] = {cut, controls, lookalike, QString(QChar(0xDFB7)) + QStringLiteral("吉")};
    for (int i = 0; i < 4; ++i) {
        Cell &target = book.sheets[0].cellAt(1, i + 2);
        target.type = Cell::Type::Text;
        target.text = texts[i];
    }
    const auto saved = written(book);
    expectWellFormed(saved);
    const Workbook again = XlsxReader::read(saved, QStringLiteral("again.xlsx"));
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(cell(again, 1, i + 2)->text, texts[i]) << i;
}

TEST(WorkbookReading, CellsOutsideTheSheetAreRefusedWithAMessage)
{
    const auto refusal = [](const QString &rows) {
        WorkbookParts parts;
        parts.sheetData = rows;
        return messageOf(parts);
    };
    const QString far = refusal(QStringLiteral("<row r=\"2000000000\"><c r=\"A2000000000\"><v>1</v></c></row>"));
    EXPECT_TRUE(far.contains(QStringLiteral("2000000000"))) << far;
    EXPECT_FALSE(refusal(QStringLiteral("<row r=\"-3\"><c><v>1</v></c></row>")).isEmpty());
    const QString kana = refusal(QStringLiteral("<row r=\"50\"><c r=\"あ50\"><v>1</v></c></row>"));
    EXPECT_TRUE(kana.contains(QStringLiteral("あ50"))) << kana;
    EXPECT_FALSE(refusal(QStringLiteral("<row r=\"1\"><c r=\"XFE1\"><v>1</v></c></row>")).isEmpty());
}

TEST(WorkbookReading, NumbersBeyondTheLimitsAreHeldWithinThem)
{
    WorkbookParts parts;
    parts.beforeData = QStringLiteral("<sheetFormatPr defaultRowHeight=\"1e308\" defaultColWidth=\"NaN\"/>"
                                      "<cols><col min=\"0\" max=\"99999\" width=\"1e300\"/></cols>");
    parts.sheetData = QStringLiteral("<row r=\"1\" ht=\"99999\" customHeight=\"1\"><c r=\"A1\" s=\"99999\"><v>1</v></c>"
                                     "<c r=\"B1\" t=\"s\"><v>42</v></c><c r=\"C1\" s=\"-4\"><v>2</v></c></row>");
    parts.afterData
        = QStringLiteral("<pageMargins left=\"-5\" right=\"1e300\" top=\"0.7\" bottom=\"0.7\" header=\"0\" "
                         "footer=\"0\"/><pageSetup scale=\"0\" fitToWidth=\"-1\"/><rowBreaks><brk id=\"0\"/>"
                         "<brk id=\"2000000000\"/><brk id=\"5\"/></rowBreaks>");
    parts.anchors = QStringLiteral(
        "<xdr:twoCellAnchor><xdr:from><xdr:col>2147483647</xdr:col><xdr:colOff>-9</xdr:colOff><xdr:row>2147483647</"
        "xdr:row>"
        "<xdr:rowOff>99999999999999</xdr:rowOff></xdr:from><xdr:to><xdr:col>20000</xdr:col><xdr:colOff>0</xdr:colOff>"
        "<xdr:row>2000000</xdr:row><xdr:rowOff>0</xdr:rowOff></xdr:to><xdr:sp><xdr:nvSpPr><xdr:cNvPr id=\"2\" "
        "name=\"x\"/>"
        "<xdr:cNvSpPr/></xdr:nvSpPr><xdr:spPr><a:prstGeom prst=\"rect\"/></xdr:spPr></xdr:sp><xdr:clientData/>"
        "</xdr:twoCellAnchor>");
    const Workbook book = read(parts);
    const Worksheet &sheet = book.sheets[0];
    EXPECT_LE(sheet.defaultRowHeight, 409.0);
    EXPECT_EQ(sheet.defaultColumnWidth, 0.0);
    ASSERT_EQ(sheet.columns.size(), 1u);
    EXPECT_EQ(sheet.columns[0].first, 1);
    EXPECT_EQ(sheet.columns[0].last, 16384);
    EXPECT_LE(sheet.columns[0].width, 255.0);
    EXPECT_LE(sheet.rowHeightPoints(1), 409.0);
    EXPECT_EQ(cell(book, 1, 1)->style, 0) << "a format the table does not hold is the default";
    EXPECT_EQ(cell(book, 3, 1)->style, 0);
    EXPECT_EQ(cell(book, 2, 1)->type, Cell::Type::Empty);
    EXPECT_EQ(sheet.pageSetup.marginLeft, 0.0);
    EXPECT_LE(sheet.pageSetup.marginRight, 49.0);
    EXPECT_GE(sheet.pageSetup.scale, 10);
    EXPECT_EQ(sheet.rowBreaks, std::vector<int>{5});
    ASSERT_EQ(sheet.drawings.size(), 1u);
    EXPECT_EQ(sheet.drawings[0].from.column, 16383);
    EXPECT_EQ(sheet.drawings[0].from.row, 1048575);
    EXPECT_GE(sheet.drawings[0].from.columnOffset, 0);
    EXPECT_EQ(sheet.drawings[0].to.row, 1048575);
}

// A zip whose directory declares sizes its data does not have: what a bomb claims.
QByteArray zipDeclaring(const std::vector<std::pair<QByteArray, quint32>> &members)
{
    QByteArray local, central;
    const auto u16 = [](QByteArray &out, quint16 v) {
        const quint16 le = qToLittleEndian(v);
        out.append(reinterpret_cast<const char *>(&le), 2);
    };
    const auto u32 = [](QByteArray &out, quint32 v) {
        const quint32 le = qToLittleEndian(v);
        out.append(reinterpret_cast<const char *>(&le), 4);
    };
    for (const auto &[name, size] : members) {
        const quint32 offset = quint32(local.size());
        u32(local, 0x04034b50);
        for (quint16 v : std::initializer_list<quint16>{20, 0, 0, 0, 0})
            u16(local, v);
        u32(local, 0);
        u32(local, 0);
        u32(local, size);
        u16(local, quint16(name.size()));
        u16(local, 0);
        local += name;
        u32(central, 0x02014b50);
        for (quint16 v : std::initializer_list<quint16>{20, 20, 0, 0, 0, 0})
            u16(central, v);
        u32(central, 0);
        u32(central, 0);
        u32(central, size);
        u16(central, quint16(name.size()));
        for (quint16 v : std::initializer_list<quint16>{0, 0, 0, 0})
            u16(central, v);
        u32(central, 0);
        u32(central, offset);
        central += name;
    }
    QByteArray end;
    u32(end, 0x06054b50);
    for (quint16 v : std::initializer_list<quint16>{0, 0, quint16(members.size()), quint16(members.size())})
        u16(end, v);
    u32(end, quint32(central.size()));
    u32(end, quint32(local.size()));
    u16(end, 0);
    return local + central + end;
}

TEST(WorkbookReading, PackagesThatUnpackTooLargeAreRefusedBeforeUnpacking)
{
    const auto refused = [](const QByteArray &zip) {
        try {
            ZipArchive::read(zip, QStringLiteral("bomb.xlsx"));
        } catch (const CelvaneError &error) {
            return error.message();
        }
        return QString();
    };
    EXPECT_TRUE(
        refused(zipDeclaring({{"xl/worksheets/sheet1.xml", 500u << 20}})).contains(QStringLiteral("sheet1.xml")));
    std::vector<std::pair<QByteArray, quint32>> twelve;
    for (int i = 0; i < 12; ++i)
        twelve.push_back({QByteArray("xl/media/image") + QByteArray::number(i) + ".png", 200u << 20});
    EXPECT_FALSE(refused(zipDeclaring(twelve)).isEmpty());
    EXPECT_FALSE(refused(QByteArray("PK\x03\x04 not a zip at all")).isEmpty());
}

}  // namespace
