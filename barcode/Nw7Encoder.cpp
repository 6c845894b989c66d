#include "Encoders.h"
#include "Nw7Tables.h"
#include "SymbolBuilder.h"
#include "ValueFitting.h"

namespace strilux {

namespace {
unsigned char startStopOrDefault(const std::string &text)
{
    // The control refuses invalid start and stop characters while the type is NW-7, but
    // they may have been set under another type.
    const auto c = text.empty() ? 0 : static_cast<unsigned char>(text[0]);
    return isNw7StartStop(c) ? c : 'a';
}

void addCharacter(SymbolBuilder &b, unsigned char c, bool gapBefore)
{
    if (gapBefore)
        b.addElement(false, ElementWidth::Narrow);
    const std::size_t first = b.position();
    b.addNarrowWide(nw7Pattern(c));
    b.addLabel(std::string(1, char(c)), first, b.position());
}
}  // namespace

Symbol encodeNw7(std::string_view value, const EncodeOptions &options)
{
    Symbol symbol;
    const unsigned char start = startStopOrDefault(options.startChar);
    const unsigned char stop = startStopOrDefault(options.stopChar);
    symbol.encoded = acceptedCharacters(value, isNw7ValueCharacter, symbol);
    if (options.withCheck()) {
        symbol.checkChar = nw7CheckCharacter(symbol.encoded, start, stop, options.checkPattern);
        symbol.encoded += symbol.checkChar;
    }
    symbol.characters = int(symbol.encoded.size());

    SymbolBuilder b(symbol);
    addCharacter(b, start, false);
    for (char c : symbol.encoded)
        addCharacter(b, static_cast<unsigned char>(c), true);
    addCharacter(b, stop, true);
    return symbol;
}

}  // namespace strilux
