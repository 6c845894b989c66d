#pragma once

#include <QtGlobal>

namespace celvane {

// A colour as a workbook stores it: automatic, a palette index, a theme slot or plain RGB.
// Kept in its stored form so that saving writes back exactly what the template had.
struct CellColor
{
    enum class Kind { None, Auto, Rgb, Indexed, Theme };
    Kind kind = Kind::None;
    quint32 argb = 0;
    int index = 0;
    double tint = 0.0;

    static CellColor rgb(quint32 argb) { return {Kind::Rgb, argb, 0, 0.0}; }
    static CellColor indexed(int index) { return {Kind::Indexed, 0, index, 0.0}; }
    static CellColor automatic() { return {Kind::Auto, 0, 0, 0.0}; }
    bool isSet() const { return kind != Kind::None; }
    bool operator==(const CellColor &) const = default;
};

}  // namespace celvane
