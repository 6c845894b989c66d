#pragma once

#include "InkedCells.h"
#include "PrintedPage.h"
#include "Workbook.h"

#include <optional>
#include <vector>

namespace celvane {

// Splits sheets into printed pages as a spreadsheet program does: the print area (else
// everything inked, see InkedCells), manual breaks, the paper left inside the margins, the
// scale or the fit-to-pages setting, page order and centring. Pages with nothing on them are
// left out, as LibreOffice leaves them out; a sheet that would print more than
// kMostPagesPerSheet pages is refused with a message rather than rendered for hours.
class PageLayout
{
public:
    static std::vector<PrintedPage> paginate(const Workbook &book);
    static std::vector<PrintedPage> paginate(const Workbook &book, int sheetIndex);
    static QPageSize pageSize(int paperSize);
    static constexpr size_t kMostPagesPerSheet = 20000;

private:
    struct Band
    {
        int first;
        int last;
    };
    static std::vector<Band> bands(int first, int last, const std::vector<double> &sizes, double scale, double room,
                                   double laterRoom, const std::vector<int> &breaks);
    // The rows the sheet repeats at the top of every page ("print titles"), if any.
    static std::optional<Band> titleRows(const Workbook &book, int sheetIndex);
    // The (column band, row band) pairs that have ink, in the order they print.
    static std::vector<std::pair<int, int>> inkedPages(const InkedCells &ink, const CellRange &range,
                                                       const std::vector<Band> &columnBands,
                                                       const std::vector<Band> &rowBands, bool overThenDown,
                                                       const QString &sheetName);
    static double fitScale(const std::vector<double> &sizes, int first, const std::vector<int> &breaks, double room,
                           int pages);
};

}  // namespace celvane
