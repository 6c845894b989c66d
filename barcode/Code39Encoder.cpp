#include "Encoders.h"
#include "SymbolBuilder.h"
#include "ValueFitting.h"

#include <cctype>

namespace strilux {

namespace {
constexpr std::string_view kCharacters = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%*";
// Nine elements each, bar first, 1 = wide; in the order of kCharacters.
constexpr std::string_view kPatterns[44] = {
    "000110100", "100100001", "001100001", "101100000", "000110001", "100110000", "001110000", "000100101", "100100100",
    "001100100", "100001001", "001001001", "101001000", "000011001", "100011000", "001011000", "000001101", "100001100",
    "001001100", "000011100", "100000011", "001000011", "101000010", "000010011", "100010010", "001010010", "000000111",
    "100000110", "001000110", "000010110", "110000001", "011000001", "111000000", "010010001", "110010000", "011010000",
    "010000101", "110000100", "011000100", "010101000", "010100010", "010001010", "000101010", "010010100",
};

int code39Value(unsigned char c)
{
    const auto p = kCharacters.find(char(std::toupper(c)));
    return c == 0 || c >= 0x80 || p == std::string_view::npos ? -1 : int(p);
}

bool isCode39Character(unsigned char c)
{
    return code39Value(c) >= 0;
}

void addCharacter(SymbolBuilder &b, char c, bool gapBefore)
{
    if (gapBefore)
        b.addElement(false, ElementWidth::Gap);
    const std::size_t first = b.position();
    b.addNarrowWide(kPatterns[code39Value(static_cast<unsigned char>(c))]);
    // Lower-case letters encode as upper case but are printed as typed.
    b.addLabel(std::string(1, c), first, b.position());
}
}  // namespace

Symbol encodeCode39(std::string_view value, const EncodeOptions &options)
{
    Symbol symbol;
    symbol.encoded = acceptedCharacters(value, isCode39Character, symbol);
    if (options.withCheck()) {
        int sum = 0;
        for (char c : symbol.encoded)
            sum += code39Value(static_cast<unsigned char>(c));
        symbol.checkChar = std::string(1, kCharacters[sum % 43]);
        symbol.encoded += symbol.checkChar;
    }
    symbol.characters = int(symbol.encoded.size());

    SymbolBuilder b(symbol);
    addCharacter(b, '*', false);
    for (char c : symbol.encoded)
        addCharacter(b, c, true);
    addCharacter(b, '*', true);
    return symbol;
}

}  // namespace strilux
