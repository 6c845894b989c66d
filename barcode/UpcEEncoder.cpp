#include "CheckDigits.h"
#include "EanTables.h"
#include "Encoders.h"
#include "ValueFitting.h"

namespace strilux {

namespace {
int upcECheck(std::string_view sevenDigits)
{
    return modulus10Weight3(expandUpcE(sevenDigits));
}
}  // namespace

Symbol encodeUpcE(std::string_view value, const EncodeOptions &options)
{
    Symbol symbol;
    fitDigitValue(symbol, value, 8, options.withCheck(), upcECheck);
    const std::string &d = symbol.encoded;

    SymbolBuilder b(symbol);
    addUpcLeftMargin(b, d[0]);
    // Number system 1 mirrors the parities of number system 0; a reader would otherwise
    // take the symbol for a number-system-0 code with another value.
    const std::string_view parity = upcEParity(d[7]);
    const bool mirrored = d[0] == '1';
    for (int i = 0; i < 6; ++i) {
        const bool even = (parity[i] == 'G') != mirrored;
        addEanDigit(b, d[i + 1], even ? EanSet::G : EanSet::L);
    }
    b.addModulePattern("010101", true);
    addUpcRightMargin(b, d[7]);
    return symbol;
}

}  // namespace strilux
