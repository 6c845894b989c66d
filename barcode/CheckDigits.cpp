#include "CheckDigits.h"

namespace strilux {

int modulus10(std::string_view digits, int weight, bool digitSums)
{
    int sum = 0;
    bool odd = true;
    for (auto it = digits.rbegin(); it != digits.rend(); ++it, odd = !odd) {
        int product = (*it - '0') * (odd ? weight : 1);
        if (digitSums && product > 9)
            product -= 9;
        sum += product;
    }
    return (10 - sum % 10) % 10;
}

int modulus10Weight3(std::string_view digits)
{
    return modulus10(digits, 3, false);
}

std::string expandUpcE(std::string_view d)
{
    // d[0] number system, d[1..6] the data digits d1..d6.
    const char last = d[6];
    std::string upc(1, d[0]);
    if (last <= '2')
        upc += std::string{d[1], d[2], last} + "0000" + std::string{d[3], d[4], d[5]};
    else if (last == '3')
        upc += std::string{d[1], d[2], d[3]} + "00000" + std::string{d[4], d[5]};
    else if (last == '4')
        upc += std::string{d[1], d[2], d[3], d[4]} + "00000" + std::string{d[5]};
    else
        upc += std::string{d[1], d[2], d[3], d[4], d[5]} + "0000" + std::string{last};
    return upc;
}

std::string digitsOnly(std::string_view text)
{
    std::string out;
    for (char c : text)
        if (c >= '0' && c <= '9')
            out += c;
    return out;
}

}  // namespace strilux
