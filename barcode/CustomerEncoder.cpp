#include "Encoders.h"
#include "SymbolBuilder.h"
#include "ValueFitting.h"

#include <cctype>

namespace strilux {

namespace {
constexpr int kDataCodes = 20;
constexpr int kHyphen = 10;
constexpr int kCC1 = 11;
constexpr int kCC4 = 14;
// Three bars per code, 1 long, 2 ascender, 3 descender, 4 timing; codes 0-9, "-", CC1-CC8.
constexpr std::string_view kBars[19] = {"144", "114", "132", "312", "123", "141", "321", "213", "231", "411",
                                        "414", "324", "342", "234", "432", "243", "423", "441", "111"};
constexpr std::string_view kStart = "013";
constexpr std::string_view kStop = "310";

bool isCustomerCharacter(unsigned char c)
{
    return isDigit(c) || c == '-' || std::isalpha(c) || (c >= 0xC1 && c <= 0xC8);
}

void appendCodes(std::vector<int> &codes, unsigned char c)
{
    if (isDigit(c)) {
        codes.push_back(c - '0');
    } else if (c == '-') {
        codes.push_back(kHyphen);
    } else if (c >= 0xC1 && c <= 0xC8) {
        codes.push_back(kCC1 + (c - 0xC1));
    } else {
        // A letter is a control code and a digit: A-J CC1, K-T CC2, U-Z CC3.
        const int n = std::toupper(c) - 'A';
        codes.push_back(kCC1 + n / 10);
        codes.push_back(n % 10);
    }
}

void addBars(Symbol &symbol, std::string_view kinds)
{
    for (char k : kinds)
        symbol.postalBars.push_back(PostalBar(k - '0'));
}
}  // namespace

Symbol encodeCustomer(std::string_view value, const EncodeOptions &)
{
    Symbol symbol;
    symbol.encoded = acceptedCharacters(value, isCustomerCharacter, symbol);
    std::vector<int> codes;
    for (char c : symbol.encoded)
        appendCodes(codes, static_cast<unsigned char>(c));
    codes.resize(kDataCodes, kCC4);
    int sum = 0;
    for (int code : codes)
        sum += code;
    const int check = (19 - sum % 19) % 19;

    addBars(symbol, kStart);
    for (int code : codes)
        addBars(symbol, kBars[code]);
    addBars(symbol, kBars[check]);
    addBars(symbol, kStop);
    symbol.checkChar = check < 10 ? std::string(1, char('0' + check))
        : check == kHyphen        ? "-"
                                  : std::string(1, char(0xC1 + check - kCC1));
    return symbol;
}

}  // namespace strilux
