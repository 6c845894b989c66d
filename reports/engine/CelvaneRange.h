#pragma once

#include "CelvaneFormat.h"

namespace celvane {

class Celvane;

// A block of the current page, in the template's row numbering.
class CelvaneRange
{
public:
    CelvaneRange(Celvane &engine, const CellRange &block)
        : m_engine(engine)
        , m_block(block)
    {
    }
    CelvaneFormat Format() { return CelvaneFormat(m_engine, m_block); }
    const CellRange &block() const { return m_block; }

private:
    Celvane &m_engine;
    CellRange m_block;
};

}  // namespace celvane
