#pragma once

#include "BarcodeTypes.h"

#include <string>
#include <string_view>
#include <vector>

namespace strilux {

enum class Code128Set { A = 0, B = 1, C = 2 };

struct Code128Token
{
    std::string_view text;
    Code128Set set;
    int value;            // symbol value in its set, or -1 for a code-set change
    Code128Set switchTo;  // the set a "~CODEx" token selects
    bool isSwitch() const { return value < 0; }
};

struct Code128Symbol
{
    Code128Set set;
    int value;
    std::string text;  // the token that produced it
};

struct Code128Tokens
{
    std::vector<Code128Symbol> symbols;
    bool invalidCharacter = false;
};

// Splits a value into symbols, longest token first, choosing code sets as it goes.
Code128Tokens tokenizeCode128(std::string_view value, CodeSet startSet);

}  // namespace strilux
