#include "PropertyNames.h"

#include <cstring>
#include <iterator>
#include <strings.h>

namespace strilux {

namespace {
struct Member
{
    const char *name;
    int dispid;
};

const Member kMembers[] = {
    {"BackColor", -501},   {"BarColor", 16},       {"BarHeight", 17},
    {"BarRatio", 18},      {"BarWidth", 19},       {"Bearer", 14},
    {"BlackRatio", 20},    {"CharGap", 21},        {"CharHeight", 22},
    {"CharWidth", 23},     {"CheckChar", 10},      {"CheckPattern", 50},
    {"CodeSet", 13},       {"DpiX", 24},           {"DpiY", 25},
    {"Element", 26},       {"ErrorMessage", 35},   {"ErrorNumber", 34},
    {"FlatHeight", 15},    {"Font", -512},         {"GetCheckChar", 32},
    {"GetEnhMetaFile", 6}, {"GetScaleHeight", 70}, {"GetScaleWidth", 71},
    {"Height", 37},        {"Message", 11},        {"ObjectMode", 12},
    {"Point", 31},         {"Quiet", 27},          {"Rotate", 8},
    {"StartChar", 28},     {"StopChar", 29},       {"Type", 7},
    {"Unit", 9},           {"Value", 33},          {"Width", 36},
    {"Zoom", 30},          {"DCMode", 52},         {"GetSize", 59},
    {"Parent", 53},        {"SetOnErrorProc", 58}, {"_DCMode", 77},
};

const EnumEntry kRotate[]
    = {{0, "rt0", "回転しない"}, {1, "rt90", " 90°回転"}, {2, "rt180", "180°回転"}, {3, "rt270", "270°回転"}};
const EnumEntry kUnit[] = {{0, "utMM", "mm"}, {1, "utInch", "inch"}, {2, "utPoint", "point"}, {3, "utDot", "dot"}};
const EnumEntry kMessage[] = {{0, "msYes", "表示する"}, {1, "msNo", "表示しない"}};
const EnumEntry kObjectMode[] = {{0, "omObject", "0 : Object"}, {1, "omControl", "1 : Control"}};
}  // namespace

bool dispidOfName(const char *name, int &dispid)
{
    for (const auto &m : kMembers) {
        if (strcasecmp(m.name, name) == 0) {
            dispid = m.dispid;
            return true;
        }
    }
    return false;
}

const EnumTable &rotateNames()
{
    static const EnumTable t{kRotate, int(std::size(kRotate))};
    return t;
}
const EnumTable &unitNames()
{
    static const EnumTable t{kUnit, int(std::size(kUnit))};
    return t;
}
const EnumTable &messageNames()
{
    static const EnumTable t{kMessage, int(std::size(kMessage))};
    return t;
}
const EnumTable &objectModeNames()
{
    static const EnumTable t{kObjectMode, int(std::size(kObjectMode))};
    return t;
}

const EnumTable *predefinedStrings(int dispid)
{
    switch (dispid) {
    case 7:
        return &typeNames();
    case 8:
        return &rotateNames();
    case 9:
        return &unitNames();
    case 10:
        return &checkCharNames();
    case 11:
        return &messageNames();
    case 12:
        return &objectModeNames();
    case 50:
        return &checkPatternNames();
    default:
        return nullptr;
    }
}

}  // namespace strilux
