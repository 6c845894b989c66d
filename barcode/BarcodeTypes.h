#pragma once

#include <string>

namespace strilux {

enum class BarcodeType : int {
    JAN8 = 0,
    JAN13 = 1,
    UPCA = 2,
    UPCE = 3,
    ITF6 = 4,
    ITF14 = 5,
    ITF16 = 6,
    ITF = 7,
    NW7 = 8,
    Code39 = 9,
    Code128 = 10,
    Custom = 11,
};
constexpr int kTypeCount = 12;

enum class CheckCharMode : int { Yes = 0, No = 1 };

enum class CheckPattern : int {
    Auto = 0,
    Md10W2 = 1,
    Md10W3 = 2,
    Md11 = 3,
    Md11W = 4,
    Md16 = 5,
    DR7 = 6,
    Luhn = 7,
};
constexpr int kCheckPatternCount = 8;

enum class CodeSet : int { NotSet = 0, A = 1, B = 2, C = 3 };

// A named value of one of the enumerations, as offered to property browsers.
struct EnumEntry
{
    int value;
    const char *name;         // identifier, e.g. "tpJAN13"
    const char *displayName;  // UTF-8 text shown to the user
};

struct EnumTable
{
    const EnumEntry *entries;
    int count;
    const EnumEntry *find(int value) const;
};

const EnumTable &typeNames();
const EnumTable &checkCharNames();
const EnumTable &checkPatternNames();
const EnumTable &codeSetNames();

bool isJanOrUpc(BarcodeType t);
bool isItf(BarcodeType t);
// NW-7, Code 39 and Code 128 are sized by a narrow element rather than by zoom.
bool isElementSized(BarcodeType t);

}  // namespace strilux
