#pragma once

#include "CellLook.h"
#include "Workbook.h"

namespace templates {

class SheetBuilder;

// A template workbook being laid out: its sheets in order and one shared table of fonts,
// borders and cell formats, each entry written once however many cells use it. Column
// widths are counted in digits of the default font, the spreadsheet's own unit.
class FormBook
{
public:
    FormBook();
    // The workbook of a form that is one sheet.
    static celvane::Workbook single(const SheetBuilder &sheet);

    void add(const SheetBuilder &sheet);
    int format(const CellLook &look, const celvane::Border &border);
    double digitWidthPoints() const;
    const celvane::Workbook &workbook() const { return m_book; }

private:
    template<typename T> static int intern(std::vector<T> &table, const T &value);

    celvane::Workbook m_book;
};

}  // namespace templates
