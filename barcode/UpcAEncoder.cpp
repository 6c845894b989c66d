#include "CheckDigits.h"
#include "EanTables.h"
#include "Encoders.h"
#include "ValueFitting.h"

namespace strilux {

Symbol encodeUpcA(std::string_view value, const EncodeOptions &options)
{
    Symbol symbol;
    fitDigitValue(symbol, value, 12, options.withCheck(), modulus10Weight3);
    const std::string &d = symbol.encoded;

    SymbolBuilder b(symbol);
    addUpcLeftMargin(b, d[0]);
    // The number-system digit and the check digit are drawn at guard length and printed
    // in the margins.
    addEanDigit(b, d[0], EanSet::L, true, false);
    for (int i = 1; i < 6; ++i)
        addEanDigit(b, d[i], EanSet::L);
    b.addModulePattern(kEanCentre, true);
    for (int i = 6; i < 11; ++i)
        addEanDigit(b, d[i], EanSet::R);
    addEanDigit(b, d[11], EanSet::R, true, false);
    b.addModulePattern(kEanGuard, true);
    addUpcRightMargin(b, d[11]);
    return symbol;
}

}  // namespace strilux
