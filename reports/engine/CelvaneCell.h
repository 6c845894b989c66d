#pragma once

#include "CelvaneDrawing.h"
#include "CelvaneFormat.h"

#include <QPoint>
#include <QString>

namespace celvane {

class Celvane;

// A cell of the current page, found by its marker.
class CelvaneCell
{
public:
    CelvaneCell(Celvane &engine, QPoint cell)
        : m_engine(engine)
        , m_cell(cell)
    {
    }
    // Shown in place of the marker, in the marker cell's format.
    void Value(const QString &text);
    void Value(qint64 number);
    void Value(int number) { Value(qint64(number)); }
    CelvaneDrawing Drawing() { return CelvaneDrawing(m_engine, m_cell); }
    CelvaneFormat Format();
    int column() const { return m_cell.x(); }
    int row() const { return m_cell.y(); }

private:
    Celvane &m_engine;
    QPoint m_cell;
};

}  // namespace celvane
