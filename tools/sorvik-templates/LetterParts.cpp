#include "LetterParts.h"

namespace templates {

namespace {
constexpr int kCaptionColumns = 3;
}

LetterParts::LetterParts(SheetBuilder &sheet)
    : m_sheet(sheet)
{
    m_sheet.columns(1, kColumns, 14.5);
}

CellLook LetterParts::body() const
{
    return CellLook{}.in(kMincho).sized(11).left();
}

CellLook LetterParts::value() const
{
    return CellLook{}.sized(11).left().shrunk();
}

void LetterParts::title(int row, const QString &text)
{
    m_sheet.text(Area(1, row, kColumns, row), text, body().sized(15).bolded().center());
}

void LetterParts::date(int row, const QString &marker)
{
    m_sheet.marker(Area(8, row, kColumns, row), marker, value().right());
}

void LetterParts::paragraph(int row, int lines, const QString &text)
{
    m_sheet.text(Area(1, row, kColumns, row + lines - 1), text, body().wrapped().top());
}

void LetterParts::field(int row, int indent, const QString &caption, const QString &marker)
{
    m_sheet.text(Area(indent, row, indent + kCaptionColumns - 1, row), caption, body());
    const Area valueCells(indent + kCaptionColumns, row, kColumns, row);
    m_sheet.marker(valueCells, marker, value());
    m_sheet.underline(valueCells);
}

void LetterParts::item(int row, const QString &number, const QString &caption, const QString &marker)
{
    m_sheet.text(Area(1, row), number, body().right());
    field(row, 2, caption, marker);
}

void LetterParts::recordMark(int row)
{
    m_sheet.text(Area(1, row, kColumns, row), QStringLiteral("記"), body().center());
}

void LetterParts::closing(int row)
{
    m_sheet.text(Area(kColumns - 1, row, kColumns, row), QStringLiteral("以上"), body().right());
}

void LetterParts::blankLine(int row, int indent, const QString &caption)
{
    m_sheet.text(Area(indent, row, indent + kCaptionColumns - 1, row), caption, body());
    m_sheet.underline(Area(indent + kCaptionColumns, row, kColumns, row));
}

}  // namespace templates
