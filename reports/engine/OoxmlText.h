#pragma once

#include <QString>

namespace celvane {

// Cell texts as workbooks store them: a character that XML cannot hold or keep (a control
// character, a carriage return, half of a surrogate pair) is written as "_xHHHH_" with its
// UTF-16 code in hex,
// and an underscore that would start such a sequence by accident is written as "_x005F_".
// Decoding the encoded text gives back exactly the text that was encoded.
class OoxmlText
{
public:
    static QString encode(const QString &text);
    static QString decode(const QString &text);
};

}  // namespace celvane
