#pragma once

#include "BarcodeTypes.h"

#include <string>

namespace strilux {

// The control properties that decide what a value encodes to.
struct EncodeOptions
{
    BarcodeType type = BarcodeType::JAN8;
    CheckCharMode checkChar = CheckCharMode::Yes;
    CheckPattern checkPattern = CheckPattern::Auto;
    CodeSet codeSet = CodeSet::NotSet;
    std::string startChar = "a";  // NW-7 only
    std::string stopChar = "a";

    bool withCheck() const { return checkChar == CheckCharMode::Yes; }
};

}  // namespace strilux
