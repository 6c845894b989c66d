#include "CheckDigits.h"
#include "EanTables.h"
#include "Encoders.h"
#include "ValueFitting.h"

namespace strilux {

Symbol encodeJan(std::string_view value, const EncodeOptions &options)
{
    const bool jan13 = options.type == BarcodeType::JAN13;
    Symbol symbol;
    fitDigitValue(symbol, value, jan13 ? 13 : 8, options.withCheck(), modulus10Weight3);
    const std::string &d = symbol.encoded;

    SymbolBuilder b(symbol);
    std::string_view parity = "LLLL";
    std::size_t next = 0;
    if (jan13) {
        // The first digit has no bars of its own: it picks the parities of the left half
        // and is printed in the left margin.
        b.addModules(false, 11);
        b.addLabel(std::string(1, d[0]), 0, 1);
        parity = ean13Parity(d[0]);
        next = 1;
    } else {
        b.addModules(false, 7);
    }
    b.addModulePattern(kEanGuard, true);
    for (char p : parity)
        addEanDigit(b, d[next++], p == 'G' ? EanSet::G : EanSet::L);
    b.addModulePattern(kEanCentre, true);
    while (next < d.size())
        addEanDigit(b, d[next++], EanSet::R);
    b.addModulePattern(kEanGuard, true);
    b.addModules(false, 7);
    return symbol;
}

}  // namespace strilux
