#include "ChartConnector.h"

namespace sorvik::documents {

namespace {

constexpr int kMiddleRow = 7;     // the row of a block the line meets it at
constexpr int kRightOfBlock = 4;  // from the marker column: the column right of a block
constexpr int kLeftOfBlock = -5;  // the column left of a block
constexpr int kBlockBottom = 14;  // the block's last row
constexpr int kAboveBlock = -2;   // the middle gap row above a block
constexpr int kBelowBlock = 16;   // the middle gap row below a block

ConnectorCase caseOf(const PrintPlace &child, const PrintPlace &parent)
{
    if (parent.X() > child.X())
        return ConnectorCase::None;
    if (child.Page > parent.Page)
        return ConnectorCase::A;
    if (child.Page < parent.Page)
        return ConnectorCase::B;
    if (child.Column == parent.Column)
        return ConnectorCase::C;
    if (child.Row < parent.Row)
        return ConnectorCase::D;
    if (child.Row > parent.Row)
        return ConnectorCase::E;
    return child.Column - parent.Column >= 2 ? ConnectorCase::F : ConnectorCase::G;
}

void addColumn(QList<ConnectorEdge> &edges, ConnectorEdge::Side side, int x, int from, int to)
{
    for (int y = from; y <= to; ++y)
        edges.append({side, x, y});
}

}  // namespace

ChartConnector::ChartConnector(const PrintPlace &child, const PrintPlace &parent, int printRows)
    : m_child(child)
    , m_parent(parent)
    , m_printRows(printRows)
    , m_case(caseOf(child, parent))
{
}

int ChartConnector::TurningRow() const
{
    const int yp = m_parent.Y();
    switch (m_case) {
    case ConnectorCase::A:
        return kAboveBlock;
    case ConnectorCase::B:
        return (m_printRows - 1) * PrintPlace::RowPitch + kBelowBlock;
    case ConnectorCase::D:
        return yp + kAboveBlock;
    case ConnectorCase::E:
        return yp + kBelowBlock;
    case ConnectorCase::F:
        return yp - 1;
    default:
        return 0;
    }
}

QList<ConnectorEdge> ChartConnector::Edges() const
{
    using Side = ConnectorEdge::Side;
    const int xc = m_child.X(), yc = m_child.Y(), xp = m_parent.X(), yp = m_parent.Y();
    QList<ConnectorEdge> edges;
    switch (m_case) {
    case ConnectorCase::None:
        return edges;
    case ConnectorCase::C:
        // Only neighbours in one column are joined, across the gap between them.
        if (m_child.Row == m_parent.Row - 1)
            addColumn(edges, Side::Left, xc, yc + kBlockBottom + 1, yc + kBlockBottom + 3);
        else if (m_child.Row == m_parent.Row + 1)
            addColumn(edges, Side::Left, xp, yp + kBlockBottom + 1, yp + kBlockBottom + 3);
        return edges;
    case ConnectorCase::D:
    case ConnectorCase::E:
    case ConnectorCase::F:
    case ConnectorCase::G:
        edges.append({Side::Top, xp + kRightOfBlock, yp + kMiddleRow});
        break;
    case ConnectorCase::A:
    case ConnectorCase::B:
        break;
    }

    const int z = TurningRow();
    switch (m_case) {
    case ConnectorCase::D:
        addColumn(edges, Side::Right, xp + kRightOfBlock, z, yp + kMiddleRow - 1);
        break;
    case ConnectorCase::E:
        addColumn(edges, Side::Right, xp + kRightOfBlock, yp + kMiddleRow, z - 1);
        break;
    case ConnectorCase::F:
        addColumn(edges, Side::Right, xp + kRightOfBlock, z, yp + kMiddleRow - 1);
        break;
    default:
        break;
    }

    if (m_case != ConnectorCase::G) {
        if (m_child.Column > m_parent.Column)
            for (int x = xp + kRightOfBlock + 1; x <= xc + kLeftOfBlock - 1; ++x)
                edges.append({Side::Top, x, z});
        if (m_case == ConnectorCase::B || m_case == ConnectorCase::D)
            addColumn(edges, Side::Left, xc + kLeftOfBlock, yc + kMiddleRow, z - 1);
        else
            addColumn(edges, Side::Left, xc + kLeftOfBlock, z, yc + kMiddleRow - 1);
    }
    edges.append({Side::Top, xc + kLeftOfBlock, yc + kMiddleRow});
    return edges;
}

}  // namespace sorvik::documents
