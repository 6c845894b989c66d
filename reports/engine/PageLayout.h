#pragma once

#include "PrintedPage.h"
#include "Workbook.h"

#include <optional>
#include <vector>

namespace celvane {

// Splits sheets into printed pages as a spreadsheet program does: the print area (else
// everything used), manual breaks, the paper left inside the margins, the scale or the
// fit-to-pages setting, page order and centring.
class PageLayout
{
public:
    static std::vector<PrintedPage> paginate(const Workbook &book);
    static std::vector<PrintedPage> paginate(const Workbook &book, int sheetIndex);
    static QPageSize pageSize(int paperSize);

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
    static double fitScale(const std::vector<double> &sizes, int first, const std::vector<int> &breaks, double room,
                           int pages);
};

}  // namespace celvane
