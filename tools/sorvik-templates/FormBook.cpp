#include "FormBook.h"

#include "SheetBuilder.h"
#include "SheetGeometry.h"

#include <algorithm>

namespace templates {

using namespace celvane;

namespace {
constexpr int kShiftJisCharset = 128;
constexpr int kModernFamily = 3;
}  // namespace

FormBook::FormBook()
{
    // The face and size a Japanese spreadsheet starts with; the column unit follows it.
    Font &normal = m_book.styles.fonts.front();
    normal.name = kPGothic;
    normal.size = 11.0;
    normal.family = kModernFamily;
    normal.charset = kShiftJisCharset;
}

template<typename T> int FormBook::intern(std::vector<T> &table, const T &value)
{
    const auto found = std::find(table.begin(), table.end(), value);
    if (found != table.end())
        return int(found - table.begin());
    table.push_back(value);
    return int(table.size()) - 1;
}

int FormBook::format(const CellLook &look, const Border &border)
{
    Font font;
    font.name = look.face;
    font.size = look.size;
    font.bold = look.bold;
    if (look.underline)
        font.underline = QStringLiteral("single");
    font.family = kModernFamily;
    font.charset = kShiftJisCharset;

    CellFormat format;
    format.fontId = intern(m_book.styles.fonts, font);
    format.borderId = intern(m_book.styles.borders, border);
    format.alignment.horizontal = look.horizontal;
    format.alignment.vertical = look.vertical;
    format.alignment.wrapText = look.wrap;
    format.alignment.shrinkToFit = look.shrink;
    format.alignment.textRotation = look.rotation;
    format.alignment.indent = look.indent;
    format.otherAttributes = {{QStringLiteral("applyFont"), QStringLiteral("1")},
                              {QStringLiteral("applyBorder"), QStringLiteral("1")},
                              {QStringLiteral("applyAlignment"), QStringLiteral("1")}};
    return intern(m_book.styles.cellFormats, format);
}

double FormBook::digitWidthPoints() const
{
    return SheetGeometry::digitWidth(m_book.styles.fonts.front());
}

celvane::Workbook FormBook::single(const SheetBuilder &sheet)
{
    FormBook book;
    book.add(sheet);
    return book.m_book;
}

void FormBook::add(const SheetBuilder &sheet)
{
    m_book.sheets.push_back(sheet.build(*this));
}

}  // namespace templates
