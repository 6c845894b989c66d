#pragma once

#include <QtGlobal>

namespace celvane {

// The 64-entry colour index of the BIFF8 workbook format (0-7 repeat the basic colours,
// 8-63 are the 56 user palette entries); line values of the engine index into it.
class ColorPalette
{
public:
    static constexpr int size = 64;
    static quint32 standard(int index);
    // Office's default theme colours, for templates that refer to theme slots.
    static quint32 theme(int slot);
};

}  // namespace celvane
