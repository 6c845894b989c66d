#include "ValueFitting.h"

namespace strilux {

std::string acceptedCharacters(std::string_view bytes, const std::function<bool(unsigned char)> &accepts,
                               Symbol &symbol)
{
    std::string out;
    for (char c : bytes) {
        if (accepts(static_cast<unsigned char>(c)))
            out += c;
        else
            symbol.error = kErrorInvalidCharacter;
    }
    return out;
}

bool isDigit(unsigned char c)
{
    return c >= '0' && c <= '9';
}

std::string fitDigits(std::string digits, std::size_t length, bool withCheck,
                      const std::function<int(std::string_view)> &check)
{
    digits.resize(length, '0');
    if (withCheck && length > 0)
        digits.back() = char('0' + check(std::string_view(digits).substr(0, length - 1)));
    return digits;
}

void fitDigitValue(Symbol &symbol, std::string_view bytes, std::size_t length, bool withCheck,
                   const std::function<int(std::string_view)> &check)
{
    symbol.encoded = fitDigits(acceptedCharacters(bytes, isDigit, symbol), length, withCheck, check);
    if (withCheck)
        symbol.checkChar = symbol.encoded.substr(length - 1);
}

}  // namespace strilux
