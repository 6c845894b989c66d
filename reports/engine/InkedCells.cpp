#include "InkedCells.h"

#include "CellTextPainter.h"
#include "FontMapper.h"

#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <algorithm>

namespace celvane {

namespace {
bool hasLine(const Border &border)
{
    return border.left.style != LineStyle::None || border.right.style != LineStyle::None
        || border.top.style != LineStyle::None || border.bottom.style != LineStyle::None
        || (border.diagonal.style != LineStyle::None && (border.diagonalUp || border.diagonalDown));
}
// The last of the indexes 1..last whose edge lies at or before the position.
template<typename Edge> int indexAt(Edge edge, int last, double position)
{
    int index = 1;
    for (int step = 1 << 20; step > 0; step >>= 1)
        if (index + step <= last && edge(index + step) <= position)
            index += step;
    return index;
}
}  // namespace

InkedCells::InkedCells(const Worksheet &sheet, const StyleSheet &styles, const SheetGeometry &geometry)
    : m_sheet(sheet)
    , m_styles(styles)
    , m_geometry(geometry)
{
    m_visibleFormat.reserve(styles.cellFormats.size());
    for (size_t i = 0; i < styles.cellFormats.size(); ++i) {
        const QString &pattern = styles.fillOf(int(i)).patternType;
        m_visibleFormat.push_back((!pattern.isEmpty() && pattern != QLatin1String("none"))
                                  || hasLine(styles.borderOf(int(i))));
    }
}

bool InkedCells::isInked(const Cell &cell) const
{
    if (cell.type != Cell::Type::Empty && !(cell.isText() && cell.text.isEmpty()))
        return true;
    return cell.style >= 0 && cell.style < int(m_visibleFormat.size()) && m_visibleFormat[cell.style];
}

CellRange InkedCells::cellsOf(const DrawingObject &object) const
{
    const QRectF rect = m_geometry.objectRect(1, 1, object).normalized();
    const auto column
        = [this](double x) { return indexAt([this](int c) { return m_geometry.columnLeft(c); }, 16384, x); };
    const auto row = [this](double y) { return indexAt([this](int r) { return m_geometry.rowTop(r); }, 1048576, y); };
    // An edge that lies on a cell boundary does not reach into the next cell.
    const double inside = 0.01;
    return {column(rect.left()), row(rect.top()), column(std::max(rect.left(), rect.right() - inside)),
            row(std::max(rect.top(), rect.bottom() - inside))};
}

CellRange InkedCells::reach(const Row &row, int number, int column, const Cell &cell) const
{
    CellRange cells{column, number, column, number};
    const Alignment &a = m_styles.format(cell.style).alignment;
    const Font &font = m_styles.fontOf(cell.style);
    const double room = m_geometry.columnWidth(column);
    // No letter is wider than the font's size, so most texts are seen to fit without measuring.
    const bool runsOn = a.horizontal.isEmpty() || a.horizontal == QLatin1String("left")
        || a.horizontal == QLatin1String("general") || a.horizontal == QLatin1String("right")
        || a.horizontal == QLatin1String("center");
    if (!cell.isText() || a.wrapText || a.shrinkToFit || a.textRotation != 0 || !runsOn
        || double(cell.text.size()) * font.size <= room || !QGuiApplication::instance())
        return cells;
    // Measured on a device of 72 dots an inch, so that one dot is one point.
    static QImage pointDevice = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        image.setDotsPerMeterX(2835);
        image.setDotsPerMeterY(2835);
        return image;
    }();
    const int fontId = m_styles.format(cell.style).fontId;
    auto mapped = m_fonts.find(fontId);
    if (mapped == m_fonts.end())
        mapped = m_fonts.emplace(fontId, FontMapper::font(font, font.size, 72)).first;
    const double width
        = CellTextPainter::lineWidth(&pointDevice, mapped->second, cell.text) + CellTextPainter::kPadding;
    if (width <= room)
        return cells;
    const bool rightward = a.horizontal != QLatin1String("right");
    const bool leftward = a.horizontal == QLatin1String("right") || a.horizontal == QLatin1String("center");
    const double wanted = a.horizontal == QLatin1String("center") ? (width - room) / 2 : width - room;
    const auto isFree = [&row](int c) {
        const auto other = row.cells.find(c);
        return other == row.cells.end() || other->second.type == Cell::Type::Empty;
    };
    double covered = 0;
    for (int c = column + 1; rightward && covered < wanted && c <= 16384 && isFree(c); ++c) {
        covered += m_geometry.columnWidth(c);
        cells.right = c;
    }
    covered = 0;
    for (int c = column - 1; leftward && covered < wanted && c >= 1 && isFree(c); --c) {
        covered += m_geometry.columnWidth(c);
        cells.left = c;
    }
    return cells;
}

void InkedCells::visit(const std::function<void(const CellRange &)> &inked) const
{
    QHash<quint64, const CellRange *> blocks;
    for (const CellRange &merge : m_sheet.merges)
        blocks.insert((quint64(merge.top) << 16) | quint64(merge.left), &merge);
    for (const auto &[number, row] : m_sheet.rows)
        for (const auto &[column, cell] : row.cells) {
            if (!isInked(cell))
                continue;
            const CellRange *block = blocks.value((quint64(number) << 16) | quint64(column));
            inked(block ? *block : reach(row, number, column, cell));
        }
    for (const DrawingObject &object : m_sheet.drawings)
        inked(cellsOf(object));
}

std::optional<CellRange> InkedCells::extent() const
{
    std::optional<CellRange> extent;
    visit([&extent](const CellRange &range) {
        if (!extent)
            extent = CellRange{1, 1, range.right, range.bottom};
        extent->right = std::max(extent->right, range.right);
        extent->bottom = std::max(extent->bottom, range.bottom);
    });
    return extent;
}

}  // namespace celvane
