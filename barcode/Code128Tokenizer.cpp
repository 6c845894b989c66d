#include "Code128Tokenizer.h"

#include <optional>

namespace strilux {

namespace {
constexpr const char *kControlNames[32]
    = {"~NUL", "~SOH", "~STX", "~ETX", "~EOT", "~ENQ", "~ACK", "~BEL", "~BS",  "~HT",  "~LF",
       "~VT",  "~FF",  "~CR",  "~SO",  "~SI",  "~DLE", "~DC1", "~DC2", "~DC3", "~DC4", "~NAK",
       "~SYN", "~ETB", "~CAN", "~EM",  "~SUB", "~ESC", "~FS",  "~GS",  "~RS",  "~US"};

// Single-character texts for the printable and raw control tokens.
const std::string &byteText(unsigned char c)
{
    static const auto table = [] {
        std::vector<std::string> t(256);
        for (int i = 0; i < 256; ++i)
            t[i] = std::string(1, char(i));
        return t;
    }();
    return table[c];
}

const std::string &pairText(int v)
{
    static const auto table = [] {
        std::vector<std::string> t(100);
        for (int i = 0; i < 100; ++i)
            t[i] = std::string{char('0' + i / 10), char('0' + i % 10)};
        return t;
    }();
    return table[v];
}

std::vector<Code128Token> buildTokens(Code128Set set)
{
    std::vector<Code128Token> t;
    const auto sym = [&](std::string_view text, int value) { t.push_back({text, set, value, set}); };
    const auto change = [&](std::string_view text, Code128Set to) { t.push_back({text, set, -1, to}); };
    switch (set) {
    case Code128Set::A:
        for (int c = 0x20; c <= 0x5F; ++c)
            sym(byteText(c), c - 0x20);
        for (int c = 0; c < 32; ++c) {
            sym(kControlNames[c], 64 + c);
            if (c > 0)
                sym(byteText(c), 64 + c);
        }
        sym("~FNC4", 101);
        change("~CODEB", Code128Set::B);
        change("~CODEC", Code128Set::C);
        break;
    case Code128Set::B:
        // "~" itself is the escape character; the tilde is written "~~".
        for (int c = 0x20; c <= 0x7D; ++c)
            sym(byteText(c), c - 0x20);
        sym("~~", 94);
        sym("~DEL", 95);
        sym(byteText(0x7F), 95);
        sym("~FNC4", 100);
        change("~CODEA", Code128Set::A);
        change("~CODEC", Code128Set::C);
        break;
    case Code128Set::C:
        for (int v = 0; v < 100; ++v)
            sym(pairText(v), v);
        change("~CODEA", Code128Set::A);
        change("~CODEB", Code128Set::B);
        break;
    }
    sym("~FNC1", 102);
    if (set != Code128Set::C) {
        sym("~FNC2", 97);
        sym("~FNC3", 96);
        sym("~SHIFT", 98);
    }
    return t;
}

const std::vector<Code128Token> &tokensOf(Code128Set set)
{
    static const std::vector<Code128Token> tables[3]
        = {buildTokens(Code128Set::A), buildTokens(Code128Set::B), buildTokens(Code128Set::C)};
    return tables[int(set)];
}

const Code128Token *longestMatch(std::string_view rest, Code128Set set)
{
    const Code128Token *best = nullptr;
    for (const auto &token : tokensOf(set))
        if (rest.starts_with(token.text) && (!best || token.text.size() > best->text.size()))
            best = &token;
    return best;
}

// The token of any set, longest first; a character in both A and B goes to B, except
// space, "R" and "%", which go to A.
const Code128Token *longestMatchAnySet(std::string_view rest)
{
    const bool preferA = rest[0] == ' ' || rest[0] == 'R' || rest[0] == '%';
    const Code128Set order[3]
        = {preferA ? Code128Set::A : Code128Set::B, preferA ? Code128Set::B : Code128Set::A, Code128Set::C};
    const Code128Token *best = nullptr;
    for (Code128Set set : order) {
        const Code128Token *t = longestMatch(rest, set);
        if (t && (!best || t->text.size() > best->text.size()))
            best = t;
    }
    return best;
}

std::optional<Code128Set> initialSet(CodeSet codeSet)
{
    switch (codeSet) {
    case CodeSet::A:
        return Code128Set::A;
    case CodeSet::B:
        return Code128Set::B;
    case CodeSet::C:
        return Code128Set::C;
    case CodeSet::NotSet:
        break;
    }
    return std::nullopt;
}
}  // namespace

Code128Tokens tokenizeCode128(std::string_view value, CodeSet startSet)
{
    Code128Tokens result;
    std::optional<Code128Set> current = initialSet(startSet);
    // Code set A is selected by a leading "~" that starts no token. A value meant for set A
    // is treated as if so prefixed, but the prefix never joins the value's first characters
    // into an escape (set A with "CR1" must not encode a carriage return).
    const bool escaped = startSet == CodeSet::A || value.starts_with('~');
    std::size_t pos = 0;
    if (startSet == CodeSet::A) {
        current = Code128Set::A;
    } else if (value.starts_with('~') && !longestMatchAnySet(value)) {
        current = Code128Set::A;
        pos = 1;
    }
    while (pos < value.size()) {
        const std::string_view rest = value.substr(pos);
        const Code128Token *token = current ? longestMatch(rest, *current) : nullptr;
        if (!token)
            token = longestMatchAnySet(rest);
        if (!token) {
            if (!escaped)
                result.invalidCharacter = true;
            ++pos;
            continue;
        }
        pos += token->text.size();
        current = token->set;
        if (token->isSwitch())
            current = token->switchTo;
        else
            result.symbols.push_back({token->set, token->value, std::string(token->text)});
    }
    return result;
}

}  // namespace strilux
