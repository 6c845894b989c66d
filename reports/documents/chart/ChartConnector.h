#pragma once

#include "ChartPrintGrid.h"

#include <QList>

namespace sorvik::documents {

// One thin cell edge of a connector, at offsets from the first block's "**CPNM" marker on
// the child's page.
struct ConnectorEdge
{
    enum class Side { Top, Left, Right };
    Side side;
    int x;
    int y;
    friend bool operator==(const ConnectorEdge &, const ConnectorEdge &) = default;
};

// How a child's block is joined to its parent's: A the parent on an earlier page, B on a
// later one; on one page C in the same column, D the child on a higher row, E on a lower
// one, F on the same row two columns or more away, G in the neighbouring column.
enum class ConnectorCase { None, A, B, C, D, E, F, G };

// The line of cell edges from the parent's block to the child's, drawn on the child's page.
// The line leaves the parent at the middle row of its right side, turns in the gap above
// or below it (or above the page's blocks, or below them, for a parent on another page),
// runs across in that gap and comes down or up beside the child to the middle row of its
// left side. Blocks in one column are joined by a short stroke in the gap between them
// when they are neighbours, and not at all otherwise. A parent further right than its
// child gets no line. A prime contractor's place is given on the child's page.
class ChartConnector
{
public:
    ChartConnector(const PrintPlace &child, const PrintPlace &parent, int printRows);

    ConnectorCase Case() const { return m_case; }
    QList<ConnectorEdge> Edges() const;

private:
    // The gap row the line runs across in.
    int TurningRow() const;

    PrintPlace m_child;
    PrintPlace m_parent;
    int m_printRows;
    ConnectorCase m_case = ConnectorCase::None;
};

}  // namespace sorvik::documents
