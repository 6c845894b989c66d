#include "CheckDigits.h"
#include "Encoders.h"
#include "SymbolBuilder.h"
#include "ValueFitting.h"

namespace strilux {

namespace {
// Five elements per digit, 1 = wide.
constexpr std::string_view kDigits[10]
    = {"00110", "10001", "01001", "11000", "00101", "10100", "01100", "00011", "10010", "01010"};

std::size_t fixedLength(BarcodeType type)
{
    switch (type) {
    case BarcodeType::ITF6:
        return 6;
    case BarcodeType::ITF14:
        return 14;
    case BarcodeType::ITF16:
        return 16;
    default:
        return 0;
    }
}

std::string fitFreeLength(std::string digits, bool withCheck)
{
    // The digits go in pairs, so the count (with the check digit) is made even in front.
    if ((digits.size() + (withCheck ? 1 : 0)) % 2 != 0)
        digits.insert(digits.begin(), '0');
    if (withCheck)
        digits += char('0' + modulus10Weight3(digits));
    return digits;
}

void addTextLine(Symbol &symbol)
{
    // Groups of five read from the end, with the last digit alone: 14 digits read 3 5 5 1.
    const int n = int(symbol.encoded.size());
    for (int i = 0; i < n; ++i) {
        symbol.line.cells.emplace_back(1, symbol.encoded[i]);
        if ((n - i - 2) % 5 == 0 && n - i - 2 >= 0)
            symbol.line.cells.emplace_back(" ");
    }
}
}  // namespace

Symbol encodeItf(std::string_view value, const EncodeOptions &options)
{
    Symbol symbol;
    if (const std::size_t length = fixedLength(options.type)) {
        fitDigitValue(symbol, value, length, options.withCheck(), modulus10Weight3);
    } else {
        symbol.encoded = fitFreeLength(acceptedCharacters(value, isDigit, symbol), options.withCheck());
        if (options.withCheck())
            symbol.checkChar = symbol.encoded.substr(symbol.encoded.size() - 1);
    }

    SymbolBuilder b(symbol);
    b.addNarrowWide("0000");
    const std::string &d = symbol.encoded;
    for (std::size_t i = 0; i + 1 < d.size(); i += 2) {
        const std::string_view bars = kDigits[d[i] - '0'];
        const std::string_view spaces = kDigits[d[i + 1] - '0'];
        for (int k = 0; k < 5; ++k) {
            b.addNarrowWide(bars.substr(k, 1), true);
            b.addNarrowWide(spaces.substr(k, 1), false);
        }
    }
    b.addNarrowWide("100");
    addTextLine(symbol);
    return symbol;
}

}  // namespace strilux
