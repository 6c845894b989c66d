#include "Nw7Tables.h"

#include "CheckDigits.h"

namespace strilux {

namespace {
constexpr std::string_view kPatterns[20] = {
    "0000011", "0000110", "0001001", "1100000", "0010010", "1000010", "0100001", "0100100", "0110000", "1001000",
    "0001100", "0011000", "1000101", "1010001", "1010100", "0010101", "0011010", "0101001", "0001011", "0001110",
};
constexpr std::string_view kSymbols = "0123456789-$:/.+";
constexpr std::string_view kStartStop = "abcdABCDtn*e";

std::string checkFromValue(int v)
{
    return std::string(1, kSymbols[v]);
}

int modulus16(std::string_view value, unsigned char start, unsigned char stop)
{
    int sum = nw7Value(start) + nw7Value(stop);
    for (char c : value)
        sum += nw7Value(static_cast<unsigned char>(c));
    return (16 - sum % 16) % 16;
}

int modulus11(std::string_view digits)
{
    if (digits.size() < 6)
        return modulus10(digits, 3, false);
    int sum = 0;
    for (int i = 0; i < 6; ++i)
        sum += (digits[i] - '0') * (7 - i);
    return (11 - sum % 11) % 10;
}

int weightedSum(std::string_view digits, const int (&weights)[12])
{
    int sum = 0;
    int k = 0;
    for (auto it = digits.rbegin(); it != digits.rend() && k < 12; ++it, ++k)
        sum += (*it - '0') * weights[k];
    return sum;
}

std::string weightedModulus11(std::string_view digits)
{
    static const int first[12] = {2, 6, 3, 5, 4, 8, 7, 10, 9, 5, 3, 6};
    static const int second[12] = {9, 5, 8, 6, 7, 3, 4, 10, 2, 6, 8, 5};
    const int r = weightedSum(digits, first) % 11;
    if (r == 0)
        return "0";
    if (r >= 2)
        return std::string(1, char('0' + 11 - r));
    // Remainder 1 would need the two-digit check "10": a second weight series decides,
    // and its remainder 1 yields ":" (the character after "9").
    const int r2 = weightedSum(digits, second) % 11;
    return std::string(1, r2 == 0 ? '0' : char('0' + 11 - r2));
}

int remainder7(std::string_view digits)
{
    int r = 0;
    for (char c : digits)
        r = (r * 10 + (c - '0')) % 7;
    return r;
}
}  // namespace

int nw7Value(unsigned char c)
{
    if (c == 0x5C)
        return 11;
    if (auto p = kSymbols.find(char(c)); p != std::string_view::npos && c != 0)
        return int(p);
    switch (c) {
    case 'a':
    case 't':
    case 'A':
    case 'T':
        return 16;
    case 'b':
    case 'n':
    case 'B':
    case 'N':
        return 17;
    case 'c':
    case '*':
    case 'C':
        return 18;
    case 'd':
    case 'e':
    case 'D':
    case 'E':
        return 19;
    default:
        return -1;
    }
}

std::string_view nw7Pattern(unsigned char c)
{
    return kPatterns[nw7Value(c)];
}

bool isNw7StartStop(unsigned char c)
{
    return c != 0 && kStartStop.find(char(c)) != std::string_view::npos;
}

bool isNw7ValueCharacter(unsigned char c)
{
    return c == 0x5C || (c != 0 && kSymbols.find(char(c)) != std::string_view::npos) || isNw7StartStop(c);
}

bool isNw7Narrow(unsigned char c)
{
    const int v = nw7Value(c);
    return v >= 0 && v <= 11;
}

std::string nw7CheckCharacter(std::string_view value, unsigned char start, unsigned char stop, CheckPattern pattern)
{
    const std::string digits = digitsOnly(value);
    switch (pattern) {
    case CheckPattern::Md10W2:
        return checkFromValue(modulus10(digits, 2, false));
    case CheckPattern::Md10W3:
        return checkFromValue(modulus10(digits, 3, false));
    case CheckPattern::Luhn:
        return checkFromValue(modulus10(digits, 2, true));
    case CheckPattern::Md11:
        return checkFromValue(modulus11(digits));
    case CheckPattern::Md11W:
        if (value.size() > 12)
            return checkFromValue(modulus16(value, start, stop));
        return weightedModulus11(digits);
    case CheckPattern::DR7:
        return checkFromValue(remainder7(digits));
    case CheckPattern::Auto:
    case CheckPattern::Md16:
        break;
    }
    return checkFromValue(modulus16(value, start, stop));
}

}  // namespace strilux
