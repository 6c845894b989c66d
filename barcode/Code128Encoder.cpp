#include "Code128Tokenizer.h"
#include "Encoders.h"
#include "SymbolBuilder.h"
#include "ValueFitting.h"

namespace strilux {

namespace {
// Bar and space widths in modules of the 107 symbols; 106 is the stop pattern.
constexpr std::string_view kPatterns[107] = {
    "212222", "222122", "222221", "121223", "121322", "131222", "122213", "122312",  "132212", "221213", "221312",
    "231212", "112232", "122132", "122231", "113222", "123122", "123221", "223211",  "221132", "221231", "213212",
    "223112", "312131", "311222", "321122", "321221", "312212", "322112", "322211",  "212123", "212321", "232121",
    "111323", "131123", "131321", "112313", "132113", "132311", "211313", "231113",  "231311", "112133", "112331",
    "132131", "113123", "113321", "133121", "313121", "211331", "231131", "213113",  "213311", "213131", "311123",
    "311321", "331121", "312113", "312311", "332111", "314111", "221411", "431111",  "111224", "111422", "121124",
    "121421", "141122", "141221", "112214", "112412", "122114", "122411", "142112",  "142211", "241211", "221114",
    "413111", "241112", "134111", "111242", "121142", "121241", "114212", "124112",  "124211", "411212", "421112",
    "421211", "212141", "214121", "412121", "111143", "111341", "131141", "114113",  "114311", "411113", "411311",
    "113141", "114131", "311141", "411131", "211412", "211214", "211232", "2331112",
};
constexpr int kStart[3] = {103, 104, 105};
constexpr int kSwitchTo[3] = {101, 100, 99};
constexpr int kStop = 106;

bool isPrintable(unsigned char c)
{
    return c >= 0x20 && c < 0x7F;
}

void addTextLine(Symbol &symbol, const Code128Tokens &tokens, std::string_view value, CodeSet codeSet)
{
    for (const auto &s : tokens.symbols) {
        if (s.text.size() > 2 || !isPrintable(static_cast<unsigned char>(s.text[0])))
            continue;
        if (s.text == "~~") {
            symbol.line.cells.emplace_back("~");
            continue;
        }
        for (char c : s.text)
            symbol.line.cells.emplace_back(1, c);
    }
    const auto digitAt
        = [&](std::size_t i) { return i < value.size() && isDigit(static_cast<unsigned char>(value[i])); };
    const bool numeric = codeSet == CodeSet::C || (codeSet == CodeSet::NotSet && (digitAt(0) || digitAt(1)));
    symbol.line.advanceHalves = numeric ? 2 : 3;
}
}  // namespace

Symbol encodeCode128(std::string_view value, const EncodeOptions &options)
{
    Symbol symbol;
    const Code128Tokens tokens = tokenizeCode128(value, options.codeSet);
    if (tokens.invalidCharacter)
        symbol.error = kErrorInvalidCharacter;

    std::vector<int> values;
    Code128Set set = tokens.symbols.empty() ? Code128Set::B : tokens.symbols.front().set;
    values.push_back(kStart[int(set)]);
    for (const auto &s : tokens.symbols) {
        if (s.set != set) {
            values.push_back(kSwitchTo[int(s.set)]);
            set = s.set;
        }
        values.push_back(s.value);
    }
    // Summed modulo 103 as it goes, so no value length can overflow it.
    int check = values[0];
    for (std::size_t i = 1; i < values.size(); ++i)
        check = (check + values[i] * int(i % 103)) % 103;

    symbol.encoded = std::string(value);
    if (check < 95)
        symbol.checkChar = std::string(1, char(' ' + check));
    symbol.symbolCount = int(values.size());

    SymbolBuilder b(symbol);
    for (int v : values)
        b.addWidths(kPatterns[v]);
    b.addWidths(kPatterns[check]);
    b.addWidths(kPatterns[kStop]);
    addTextLine(symbol, tokens, value, options.codeSet);
    return symbol;
}

}  // namespace strilux
