#include "StriluxOptions.h"

const std::vector<Option> &options()
{
    // The type comes first so that type-dependent limits apply to the options after it;
    // --bar-width comes last because every other length resets it. --font and --bold have
    // no put of their own: they make one font together.
    static const std::vector<Option> table = {
        {"type",
         "0 JAN-8, 1 JAN-13, 2 UPC-A, 3 UPC-E, 4 ITF6, 5 ITF14, 6 ITF16, 7 ITF, 8 NW-7, 9 Code39, 10 Code128, 11 "
         "customer",
         Option::Integer, StriluxPutType, nullptr, nullptr},
        {"unit", "0 mm (default), 1 inch, 2 point, 3 dot", Option::Integer, StriluxPutUnit, nullptr, nullptr},
        {"dpi", "resolution for the dot unit, 96 to 9600 (default 96)", Option::Integer, StriluxPutDpiX, nullptr,
         nullptr},
        {"check-char", "0 add a check character (default), 1 none", Option::Integer, StriluxPutCheckChar, nullptr,
         nullptr},
        {"check-pattern", "NW-7 check method 0-7", Option::Integer, StriluxPutCheckPattern, nullptr, nullptr},
        {"code-set", "Code 128 start: 0 automatic, 1 A, 2 B, 3 C", Option::Integer, StriluxPutCodeSet, nullptr,
         nullptr},
        {"start-char", "NW-7 start character (a b c d)", Option::Text, nullptr, nullptr, StriluxPutStartChar},
        {"stop-char", "NW-7 stop character", Option::Text, nullptr, nullptr, StriluxPutStopChar},
        {"value", "the text to encode", Option::Text, nullptr, nullptr, StriluxPutValue},
        {"rotate", "0, 1 (90), 2 (180), 3 (270 degrees)", Option::Integer, StriluxPutRotate, nullptr, nullptr},
        {"message", "0 print the text (default), 1 bars only", Option::Integer, StriluxPutMessage, nullptr, nullptr},
        {"bearer", "ITF bearer frame: 0 yes, 1 no", Option::Integer, StriluxPutBearer, nullptr, nullptr},
        {"zoom", "percent (JAN, UPC, ITF, customer)", Option::Integer, StriluxPutZoom, nullptr, nullptr},
        {"point", "customer barcode point size", Option::Real, nullptr, StriluxPutPoint, nullptr},
        {"black-ratio", "bar-width correction in percent", Option::Integer, StriluxPutBlackRatio, nullptr, nullptr},
        {"flat-height", "non-zero: guard bars as long as the others", Option::Integer, StriluxPutFlatHeight, nullptr,
         nullptr},
        {"bar-color", "0xBBGGRR", Option::Integer, StriluxPutBarColor, nullptr, nullptr},
        {"back-color", "0xBBGGRR", Option::Integer, StriluxPutBackColor, nullptr, nullptr},
        {"element", "narrow element (NW-7, Code 39, Code 128)", Option::Real, nullptr, StriluxPutElement, nullptr},
        {"bar-ratio", "wide to narrow, e.g. 2.5", Option::Real, nullptr, StriluxPutBarRatio, nullptr},
        {"bar-height", "bar height", Option::Real, nullptr, StriluxPutBarHeight, nullptr},
        {"quiet", "quiet zone", Option::Real, nullptr, StriluxPutQuiet, nullptr},
        {"char-gap", "Code 39 character gap", Option::Real, nullptr, StriluxPutCharGap, nullptr},
        {"char-width", "text character width", Option::Real, nullptr, StriluxPutCharWidth, nullptr},
        {"char-height", "text character height", Option::Real, nullptr, StriluxPutCharHeight, nullptr},
        {"font", "font face of the text", Option::Text, nullptr, nullptr, nullptr},
        {"bold", "bold text", Option::Flag, nullptr, nullptr, nullptr},
        {"bar-width", "overall width to fit the symbol to", Option::Real, nullptr, StriluxPutBarWidth, nullptr},
    };
    return table;
}

const Option *findOption(const std::string &name)
{
    for (const auto &o : options())
        if (name == o.name)
            return &o;
    return nullptr;
}

std::string usage()
{
    std::string text = "usage: strilux --type N --value TEXT --out FILE.emf|.svg|.png [options]\n"
                       "Lengths are in the unit of --unit. Options are applied in this order:\n";
    for (const auto &o : options())
        text += std::string("  --") + o.name + (o.kind == Option::Flag ? "" : " V") + "  " + o.help + "\n";
    return text;
}
