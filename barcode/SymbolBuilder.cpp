#include "SymbolBuilder.h"

namespace strilux {

void SymbolBuilder::addModulePattern(std::string_view bits, bool guard)
{
    for (std::size_t i = 0; i < bits.size();) {
        std::size_t j = i;
        while (j < bits.size() && bits[j] == bits[i])
            ++j;
        addModules(bits[i] == '1', int(j - i), guard);
        i = j;
    }
}

void SymbolBuilder::addModules(bool bar, int modules, bool guard)
{
    m_symbol.elements.push_back({bar, ElementWidth::Modules, modules, guard});
}

void SymbolBuilder::addWidths(std::string_view widths)
{
    bool bar = true;
    for (char c : widths) {
        m_symbol.elements.push_back({bar, ElementWidth::Modules, c - '0', false});
        bar = !bar;
    }
}

void SymbolBuilder::addNarrowWide(std::string_view flags, bool firstIsBar)
{
    bool bar = firstIsBar;
    for (char c : flags) {
        addElement(bar, c == '1' ? ElementWidth::Wide : ElementWidth::Narrow);
        bar = !bar;
    }
}

void SymbolBuilder::addElement(bool bar, ElementWidth width)
{
    m_symbol.elements.push_back({bar, width, 1, false});
}

void SymbolBuilder::addLabel(std::string text, std::size_t first, std::size_t end, bool shiftLeft)
{
    m_symbol.labels.push_back({std::move(text), first, end, shiftLeft});
}

}  // namespace strilux
