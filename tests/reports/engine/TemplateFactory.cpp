#include "TemplateFactory.h"

#include "XlsxWriter.h"

#include <QBuffer>
#include <QImage>

using namespace celvane;

namespace {
void text(Worksheet &sheet, int column, int row, const QString &value, int style = 0)
{
    Cell &cell = sheet.cellAt(column, row);
    cell.type = Cell::Type::Text;
    cell.text = value;
    cell.style = style;
}
}  // namespace

int TemplateFactory::addFormat(Workbook &book, const CellFormat &format)
{
    book.styles.cellFormats.push_back(format);
    return int(book.styles.cellFormats.size()) - 1;
}

Workbook TemplateFactory::roster()
{
    Workbook book;
    book.styles.fonts.front().name = QStringLiteral("IPAPGothic");
    Font bold = book.styles.fonts.front();
    bold.bold = true;
    bold.size = 14;
    book.styles.fonts.push_back(bold);
    CellFormat title;
    title.fontId = 1;
    title.alignment.horizontal = QStringLiteral("center");
    const int titleStyle = addFormat(book, title);
    Border boxed;
    boxed.left = boxed.right = boxed.top = boxed.bottom = {LineStyle::Thin, CellColor::indexed(8)};
    book.styles.borders.push_back(boxed);
    CellFormat box;
    box.borderId = 1;
    const int boxStyle = addFormat(book, box);

    Worksheet sheet;
    sheet.name = QStringLiteral("名簿");
    text(sheet, 1, 1, QStringLiteral("**TITLE"), titleStyle);
    sheet.merges.push_back({1, 1, 4, 1});
    text(sheet, 6, 1, QStringLiteral("**DATE"));
    text(sheet, 1, 2, QStringLiteral("No."), boxStyle);
    text(sheet, 2, 2, QStringLiteral("**NAME"), boxStyle);
    text(sheet, 3, 2, QStringLiteral("**AGE"), boxStyle);
    text(sheet, 4, 2, QStringLiteral("**PHOTO"), boxStyle);
    for (int row = 3; row <= 11; ++row)
        for (int column = 1; column <= 4; ++column)
            sheet.cellAt(column, row).style = boxStyle;
    text(sheet, 1, 12, QStringLiteral("**FOOT"));
    for (int row = 2; row <= 11; ++row) {
        sheet.rows[row].height = 30;
        sheet.rows[row].customHeight = true;
    }
    sheet.columns.push_back({2, 2, 20.0, true, false, -1, {}});
    sheet.columns.push_back({4, 4, 16.0, true, false, -1, {}});
    sheet.printArea = CellRange{1, 1, 6, 12};
    sheet.pageSetup.landscape = true;
    sheet.pageSetup.orientationSet = true;
    book.sheets.push_back(sheet);

    Worksheet other;
    other.name = QStringLiteral("別紙");
    text(other, 1, 1, QStringLiteral("**OTHER"));
    book.sheets.push_back(other);
    return book;
}

Workbook TemplateFactory::wideRoster()
{
    Workbook book;
    book.styles.fonts.front().name = QStringLiteral("IPAPGothic");
    Border boxed;
    boxed.left = boxed.right = boxed.top = boxed.bottom = {LineStyle::Thin, CellColor::indexed(8)};
    book.styles.borders.push_back(boxed);
    CellFormat box;
    box.borderId = 1;
    box.alignment.shrinkToFit = true;
    box.alignment.vertical = QStringLiteral("center");
    const int boxStyle = addFormat(book, box);
    Worksheet sheet;
    sheet.name = QStringLiteral("作業員名簿");
    text(sheet, 1, 1, QStringLiteral("**CMPNM"));
    sheet.merges.push_back({1, 1, 10, 1});
    text(sheet, 15, 1, QStringLiteral("**MKYMD"));
    for (int column = 1; column <= 20; ++column)
        text(sheet, column, 3, QStringLiteral("**C%1").arg(column), boxStyle);
    text(sheet, 22, 3, QStringLiteral("**PHOTO"), boxStyle);
    for (int row = 4; row <= 12; ++row)
        for (int column = 1; column <= 22; ++column)
            sheet.cellAt(column, row).style = boxStyle;
    for (int row = 3; row <= 12; ++row) {
        sheet.rows[row].height = 36;
        sheet.rows[row].customHeight = true;
    }
    sheet.columns.push_back({1, 20, 6.5, true, false, -1, {}});
    sheet.columns.push_back({22, 22, 9.0, true, false, -1, {}});
    sheet.pageSetup.landscape = true;
    sheet.pageSetup.orientationSet = true;
    sheet.pageSetup.fitToPage = true;
    sheet.pageSetup.fitToHeight = 0;
    sheet.otherElements.push_back(
        {QStringLiteral("sheetPr"), QStringLiteral("<sheetPr><pageSetUpPr fitToPage=\"1\"/></sheetPr>")});
    book.sheets.push_back(sheet);
    return book;
}

void TemplateFactory::save(const Workbook &book, const QString &fileName)
{
    XlsxWriter::write(book, fileName);
}

QByteArray TemplateFactory::jpeg(int width, int height, Qt::GlobalColor colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 85);
    return bytes;
}

void TemplateFactory::fillPeople(Celvane &engine, int people, const std::function<void()> &header,
                                 const std::function<void(int person, int row)> &person)
{
    for (int i = 0; i < people; ++i) {
        const int row = i % 10;
        if (i > 0 && row == 0)
            engine.Page().NewPage(true);
        if (row == 0) {
            engine.Page().SetRows(1, -1);
            header();
        }
        person(i, row);
    }
}
