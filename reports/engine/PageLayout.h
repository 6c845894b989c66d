#pragma once

#include "PrintedPage.h"
#include "Workbook.h"

#include <vector>

namespace celvane {

// Splits sheets into printed pages as a spreadsheet program does: the print area (else
// everything used), manual breaks, the paper left inside the margins, the scale or the
// fit-to-pages setting, page order and centring.
class PageLayout {
public:
    static std::vector<PrintedPage> paginate(const Workbook &book);
    static std::vector<PrintedPage> paginate(const Workbook &book, int sheetIndex);
    static QPageSize pageSize(int paperSize);

private:
    struct Band {
        int first;
        int last;
    };
    static std::vector<Band> bands(int first, int last, const std::vector<double> &sizes, double scale,
                                   double room, const std::vector<int> &breaks);
    static double fitScale(const std::vector<double> &sizes, int first, const std::vector<int> &breaks,
                           double room, int pages);
};

} // namespace celvane
