#include "EanTables.h"

namespace strilux {

namespace {
constexpr std::string_view kL[10]
    = {"0001101", "0011001", "0010011", "0111101", "0100011", "0110001", "0101111", "0111011", "0110111", "0001011"};
constexpr std::string_view kG[10]
    = {"0100111", "0110011", "0011011", "0100001", "0011101", "0111001", "0000101", "0010001", "0001001", "0010111"};
constexpr std::string_view kR[10]
    = {"1110010", "1100110", "1101100", "1000010", "1011100", "1001110", "1010000", "1000100", "1001000", "1110100"};
constexpr std::string_view kEan13Parity[10]
    = {"LLLLLL", "LLGLGG", "LLGGLG", "LLGGGL", "LGLLGG", "LGGLLG", "LGGGLL", "LGLGLG", "LGLGGL", "LGGLGL"};
constexpr std::string_view kUpcEParity[10]
    = {"GGGLLL", "GGLGLL", "GGLLGL", "GGLLLG", "GLGGLL", "GLLGGL", "GLLLGG", "GLGLGL", "GLGLLG", "GLLGLG"};
}  // namespace

std::string_view eanPattern(EanSet set, char digit)
{
    const int d = digit - '0';
    return set == EanSet::L ? kL[d] : set == EanSet::G ? kG[d] : kR[d];
}

std::string_view ean13Parity(char firstDigit)
{
    return kEan13Parity[firstDigit - '0'];
}

std::string_view upcEParity(char checkDigit)
{
    return kUpcEParity[checkDigit - '0'];
}

void addEanDigit(SymbolBuilder &b, char digit, EanSet set, bool guard, bool labelled)
{
    const std::size_t first = b.position();
    b.addModulePattern(eanPattern(set, digit), guard);
    if (labelled)
        b.addLabel(std::string(1, digit), first, b.position());
}

void addUpcLeftMargin(SymbolBuilder &b, char numberSystem)
{
    b.addModules(false, 7);
    b.addLabel(std::string(1, numberSystem), 0, 1);
    b.addModulePattern(kEanGuard, true);
}

void addUpcRightMargin(SymbolBuilder &b, char checkDigit)
{
    const std::size_t margin = b.position();
    b.addModules(false, 7);
    b.addLabel(std::string(1, checkDigit), margin, margin + 1, true);
}

}  // namespace strilux
