#pragma once

#include "CellRange.h"

#include <QtGlobal>

namespace celvane {

class Celvane;

// Lines of a cell or a block. Line values are BIFF8 line style × 0x1000000 + colour index.
class CelvaneFormat
{
public:
    CelvaneFormat(Celvane &engine, const CellRange &block)
        : m_engine(engine)
        , m_block(block)
    {
    }
    void TopLine(qint64 line);
    void BottomLine(qint64 line);
    void LeftLine(qint64 line);
    void RightLine(qint64 line);
    // Corner to corner, lower left to upper right.
    void Diagonal(qint64 line);
    // The outline of the block. Flag 1 draws only where no line is yet, so a frame line
    // put on afterwards with flag 0 wins over the thin outline.
    void Frame(int flag, qint64 line);

private:
    Celvane &m_engine;
    CellRange m_block;
};

}  // namespace celvane
