#include "PageLayout.h"

#include "CelvaneError.h"
#include "InkedCells.h"
#include "SheetGeometry.h"

#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <set>

namespace celvane {

QPageSize PageLayout::pageSize(int paperSize)
{
    switch (paperSize) {
    case 1:
        return QPageSize(QPageSize::Letter);
    case 3:
        return QPageSize(QPageSize::Tabloid);
    case 5:
        return QPageSize(QPageSize::Legal);
    case 7:
        return QPageSize(QPageSize::Executive);
    case 8:
        return QPageSize(QPageSize::A3);
    case 11:
        return QPageSize(QPageSize::A5);
    case 12:
        return QPageSize(QPageSize::JisB4);
    case 13:
        return QPageSize(QPageSize::JisB5);
    case 43:
        return QPageSize(QPageSize::Postcard);
    case 66:
        return QPageSize(QPageSize::A2);
    case 70:
        return QPageSize(QPageSize::A6);
    default:
        return QPageSize(QPageSize::A4);
    }
}

std::optional<PageLayout::Band> PageLayout::titleRows(const Workbook &book, int sheetIndex)
{
    static const QRegularExpression rows(QStringLiteral("!\\$?(\\d+):\\$?(\\d+)$"));
    for (const DefinedName &name : book.definedNames) {
        if (name.name != QLatin1String("_xlnm.Print_Titles") || name.localSheet != sheetIndex)
            continue;
        for (const QString &part : name.value.split(u','))
            if (const auto match = rows.match(part.trimmed()); match.hasMatch())
                return Band{match.captured(1).toInt(), match.captured(2).toInt()};
    }
    return std::nullopt;
}

std::vector<PageLayout::Band> PageLayout::bands(int first, int last, const std::vector<double> &sizes, double scale,
                                                double room, double laterRoom, const std::vector<int> &breaks)
{
    std::vector<Band> result;
    Band band{first, first};
    double used = 0;
    for (int i = first; i <= last; ++i) {
        const double size = sizes[i - first] * scale;
        if (used > 0 && used + size > (result.empty() ? room : laterRoom) + 0.01) {
            band.last = i - 1;
            result.push_back(band);
            band.first = i;
            used = 0;
        }
        used += size;
        if (std::binary_search(breaks.begin(), breaks.end(), i) && i < last) {
            band.last = i;
            result.push_back(band);
            band.first = i + 1;
            used = 0;
        }
    }
    band.last = last;
    if (band.first <= last)
        result.push_back(band);
    return result;
}

double PageLayout::fitScale(const std::vector<double> &sizes, int first, const std::vector<int> &breaks, double room,
                            int pages)
{
    // Manual breaks stay, so the longest stretch between two of them sets the scale.
    if (pages <= 0)
        return 1.0;
    double longest = 0, run = 0;
    for (size_t i = 0; i < sizes.size(); ++i) {
        run += sizes[i];
        if (std::binary_search(breaks.begin(), breaks.end(), first + int(i))) {
            longest = std::max(longest, run);
            run = 0;
        }
    }
    longest = std::max(longest, run);
    return longest > 0 ? room * pages / longest : 1.0;
}

std::vector<std::pair<int, int>> PageLayout::inkedPages(const InkedCells &ink, const CellRange &range,
                                                        const std::vector<Band> &columnBands,
                                                        const std::vector<Band> &rowBands, bool overThenDown,
                                                        const QString &sheetName)
{
    const auto bandOf = [](const std::vector<Band> &bands, int index) {
        const auto after = std::upper_bound(bands.begin(), bands.end(), index,
                                            [](int i, const Band &band) { return i < band.first; });
        return int(after - bands.begin()) - 1;
    };
    std::set<std::pair<int, int>> marked;  // (row band, column band) or the other way round
    ink.visit([&](const CellRange &cells) {
        const CellRange clipped{std::max(cells.left, range.left), std::max(cells.top, range.top),
                                std::min(cells.right, range.right), std::min(cells.bottom, range.bottom)};
        if (clipped.left > clipped.right || clipped.top > clipped.bottom)
            return;
        const int firstColumn = bandOf(columnBands, clipped.left), lastColumn = bandOf(columnBands, clipped.right);
        const int firstRow = bandOf(rowBands, clipped.top), lastRow = bandOf(rowBands, clipped.bottom);
        for (int c = firstColumn; c <= lastColumn; ++c)
            for (int r = firstRow; r <= lastRow; ++r) {
                marked.insert(overThenDown ? std::pair(r, c) : std::pair(c, r));
                if (marked.size() > kMostPagesPerSheet)
                    throw CelvaneError(QStringLiteral("シート「%1」は印刷すると %2 ページを超えます")
                                           .arg(sheetName)
                                           .arg(kMostPagesPerSheet));
            }
    });
    std::vector<std::pair<int, int>> pages;
    for (const auto &[outer, inner] : marked)
        pages.push_back(overThenDown ? std::pair(inner, outer) : std::pair(outer, inner));
    return pages;
}

std::vector<PrintedPage> PageLayout::paginate(const Workbook &book, int sheetIndex)
{
    const Worksheet &sheet = book.sheets[sheetIndex];
    const PageSetup &setup = sheet.pageSetup;
    const SheetGeometry geometry(sheet, book.styles);
    const InkedCells ink(sheet, book.styles, geometry);
    // The print area, else everything inked; a sheet that prints nothing makes no page.
    const std::optional<CellRange> printed = sheet.printArea ? sheet.printArea : ink.extent();
    if (!printed)
        return {};
    const CellRange range = *printed;

    std::vector<double> widths, heights;
    for (int c = range.left; c <= range.right; ++c)
        widths.push_back(geometry.columnWidth(c));
    for (int r = range.top; r <= range.bottom; ++r)
        heights.push_back(geometry.rowHeight(r));
    std::vector<int> rowBreaks = sheet.rowBreaks, columnBreaks = sheet.columnBreaks;
    std::sort(rowBreaks.begin(), rowBreaks.end());
    std::sort(columnBreaks.begin(), columnBreaks.end());

    PrintedPage page;
    page.sheet = sheetIndex;
    page.pageSize = pageSize(setup.paperSize);
    page.landscape = setup.landscape;
    const QSizeF paper = page.pageSize.size(QPageSize::Point);
    page.paper = setup.landscape ? paper.transposed() : paper;
    const double left = setup.marginLeft * 72, right = setup.marginRight * 72;
    const double top = setup.marginTop * 72, bottom = setup.marginBottom * 72;
    const double roomWidth = std::max(10.0, page.paper.width() - left - right);
    const double roomHeight = std::max(10.0, page.paper.height() - top - bottom);

    double scale = std::clamp(setup.scale, 10, 400) / 100.0;
    if (setup.fitToPage) {
        scale = std::min({1.0, fitScale(widths, range.left, columnBreaks, roomWidth, setup.fitToWidth),
                          fitScale(heights, range.top, rowBreaks, roomHeight, setup.fitToHeight)});
        // Spreadsheet programs fit in whole percents, rounding down so the pages still fit.
        scale = std::max(0.1, std::floor(scale * 100.0 + 1e-9) / 100.0);
    }
    page.scale = scale;

    // Title rows take their room on every page after the one they stand on.
    const std::optional<Band> titles = titleRows(book, sheetIndex);
    double titleHeight = 0;
    if (titles)
        for (int r = titles->first; r <= titles->last; ++r)
            titleHeight += geometry.rowHeight(r) * scale;
    const auto columnBands = bands(range.left, range.right, widths, scale, roomWidth, roomWidth, columnBreaks);
    const auto rowBands = bands(range.top, range.bottom, heights, scale, roomHeight,
                                std::max(10.0, roomHeight - titleHeight), rowBreaks);
    // Only pages with something on them are printed; the others would come out blank.
    const std::vector<std::pair<int, int>> inked
        = inkedPages(ink, range, columnBands, rowBands, setup.overThenDown, sheet.name);
    std::vector<PrintedPage> pages;
    for (const auto &[columnBand, rowBand] : inked) {
        const Band &columns = columnBands[columnBand];
        const Band &rows = rowBands[rowBand];
        PrintedPage p = page;
        p.firstColumn = columns.first;
        p.lastColumn = columns.last;
        p.firstRow = rows.first;
        p.lastRow = rows.last;
        double width = 0, height = 0;
        for (int c = columns.first; c <= columns.last; ++c)
            width += widths[c - range.left] * scale;
        for (int r = rows.first; r <= rows.last; ++r)
            height += heights[r - range.top] * scale;
        if (titles && rows.first > titles->last) {
            p.titleFirst = titles->first;
            p.titleLast = titles->last;
            height += titleHeight;
        }
        p.origin = QPointF(left + (setup.centerHorizontally ? std::max(0.0, (roomWidth - width) / 2) : 0.0),
                           top + (setup.centerVertically ? std::max(0.0, (roomHeight - height) / 2) : 0.0));
        pages.push_back(p);
    }
    for (size_t i = 0; i < pages.size(); ++i) {
        pages[i].numberInSheet = (setup.useFirstPageNumber ? setup.firstPageNumber : 1) + int(i);
        pages[i].pagesInSheet = int(pages.size());
    }
    return pages;
}

std::vector<PrintedPage> PageLayout::paginate(const Workbook &book)
{
    std::vector<PrintedPage> pages;
    for (size_t i = 0; i < book.sheets.size(); ++i) {
        if (!book.sheets[i].state.isEmpty())
            continue;  // hidden sheets are not printed
        const auto sheetPages = paginate(book, int(i));
        pages.insert(pages.end(), sheetPages.begin(), sheetPages.end());
    }
    return pages;
}

}  // namespace celvane
