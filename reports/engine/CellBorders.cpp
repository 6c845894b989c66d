#include "CellBorders.h"

#include "CelvaneError.h"

namespace celvane {

BorderLine CellBorders::decode(qint64 lineValue)
{
    const qint64 style = lineValue / 0x1000000;
    const qint64 colour = lineValue % 0x1000000;
    if (lineValue < 0 || style > qint64(LineStyle::SlantDashDot) || colour > 64)
        throw CelvaneError(QStringLiteral("罫線の値 %1 は使えません").arg(lineValue));
    BorderLine line;
    line.style = LineStyle(style);
    if (line.style != LineStyle::None)
        line.color = colour == 0 || colour == 64 ? CellColor::automatic() : CellColor::indexed(int(colour));
    return line;
}

qint64 CellBorders::encode(const BorderLine &line)
{
    const qint64 colour = line.color.kind == CellColor::Kind::Indexed ? line.color.index : 0;
    return qint64(line.style) * 0x1000000 + colour;
}

void CellBorders::setOne(int column, int row, Edge edge, const BorderLine &line, bool keepExisting)
{
    Cell &cell = m_sheet.cellAt(column, row);
    Border border = m_styles.borderOf(cell.style);
    BorderLine *side = edge == Edge::Top ? &border.top
        : edge == Edge::Bottom           ? &border.bottom
        : edge == Edge::Left             ? &border.left
        : edge == Edge::Right            ? &border.right
                                         : &border.diagonal;
    if (keepExisting && side->style != LineStyle::None)
        return;
    *side = line;
    if (edge == Edge::Diagonal) {
        // Drawn from the lower left to the upper right corner, as a slash through the cell.
        border.diagonalUp = line.style != LineStyle::None;
        border.diagonalDown = false;
    }
    cell.style = m_styles.withBorder(cell.style, border);
}

void CellBorders::set(int column, int row, Edge edge, const BorderLine &line)
{
    const CellRange *merge = m_sheet.mergeAt(column, row);
    if (!merge || edge == Edge::Diagonal) {
        setOne(merge ? merge->left : column, merge ? merge->top : row, edge, line, false);
        return;
    }
    const CellRange block = *merge;
    switch (edge) {
    case Edge::Top:
    case Edge::Bottom:
        for (int c = block.left; c <= block.right; ++c)
            setOne(c, edge == Edge::Top ? block.top : block.bottom, edge, line, false);
        break;
    case Edge::Left:
    case Edge::Right:
        for (int r = block.top; r <= block.bottom; ++r)
            setOne(edge == Edge::Left ? block.left : block.right, r, edge, line, false);
        break;
    case Edge::Diagonal:
        break;
    }
}

void CellBorders::frame(const CellRange &block, const BorderLine &line, bool keepExisting)
{
    for (int c = block.left; c <= block.right; ++c) {
        setOne(c, block.top, Edge::Top, line, keepExisting);
        setOne(c, block.bottom, Edge::Bottom, line, keepExisting);
    }
    for (int r = block.top; r <= block.bottom; ++r) {
        setOne(block.left, r, Edge::Left, line, keepExisting);
        setOne(block.right, r, Edge::Right, line, keepExisting);
    }
}

}  // namespace celvane
