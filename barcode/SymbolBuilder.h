#pragma once

#include "Symbol.h"

#include <string_view>

namespace strilux {

// Appends elements to a symbol from the pattern notations of the symbology tables.
class SymbolBuilder
{
public:
    explicit SymbolBuilder(Symbol &symbol)
        : m_symbol(symbol)
    {
    }

    std::size_t position() const { return m_symbol.elements.size(); }

    // "0001101": one digit per module, 1 = bar; runs become elements.
    void addModulePattern(std::string_view bits, bool guard = false);
    // A space (or bar) `modules` wide, used for margins.
    void addModules(bool bar, int modules, bool guard = false);
    // "212222": alternate bar and space widths in modules, starting with a bar.
    void addWidths(std::string_view widths);
    // "0010110": alternating elements starting with `firstIsBar`, 1 = wide.
    void addNarrowWide(std::string_view flags, bool firstIsBar = true);
    void addElement(bool bar, ElementWidth width);

    void addLabel(std::string text, std::size_t first, std::size_t end, bool shiftLeft = false);

private:
    Symbol &m_symbol;
};

}  // namespace strilux
