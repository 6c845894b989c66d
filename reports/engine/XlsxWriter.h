#pragma once

#include "Workbook.h"
#include "ZipArchive.h"

namespace celvane {

// Saves the model as an Office Open XML workbook. The parts the model keeps as written
// go back unchanged; sheets, styles, strings and drawings are written from the model.
class XlsxWriter
{
public:
    static void write(const Workbook &book, const QString &fileName);
    static std::vector<ZipArchive::Entry> entries(const Workbook &book);
};

}  // namespace celvane
