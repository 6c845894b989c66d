#include "BarcodeTypes.h"

#include <iterator>

namespace strilux {

const EnumEntry *EnumTable::find(int value) const
{
    for (int i = 0; i < count; ++i)
        if (entries[i].value == value)
            return &entries[i];
    return nullptr;
}

namespace {
const EnumEntry kTypes[] = {
    {0, "tpJAN8", "JAN-8"},    {1, "tpJAN13", "JAN-13"},     {2, "tpUPCA", "UPC-A"},
    {3, "tpUPCE", "UPC-E"},    {4, "tpITF6", "ITF6"},        {5, "tpITF14", "ITF14"},
    {6, "tpITF16", "ITF16"},   {7, "tpITF", "ITF free"},     {8, "tpNW7", "CODABAR(NW-7)"},
    {9, "tpCode39", "Code39"}, {10, "tpCode128", "Code128"}, {11, "tpCustom", "ｶｽﾀﾏﾊﾞｰｺｰﾄﾞ"},
};
const EnumEntry kCheckChars[] = {{0, "ccYes", "付加する"}, {1, "ccNo", "付加しない"}};
const EnumEntry kCheckPatterns[] = {
    {0, "cpAuto", "自動選択"}, {1, "cpMd10W2", "ﾓｼﾞｭﾗｽ10ｳｴｲﾄ2"},    {2, "cpMd10W3", "ﾓｼﾞｭﾗｽ10ｳｴｲﾄ3"},
    {3, "cpMd11", "ﾓｼﾞｭﾗｽ11"}, {4, "cpMd11W", "加重ﾓｼﾞｭﾗｽ11"},      {5, "cpMd16", "ﾓｼﾞｭﾗｽ16"},
    {6, "cp7DR", "7ﾁｪｯｸDR"},   {7, "cpRz", "ﾙｰﾝｽﾞ(ﾓｼﾞｭﾗｽ10ｳｴｲﾄ2)"},
};
const EnumEntry kCodeSets[] = {
    {0, "csNotSet", "NotSet"},
    {1, "csCodeSetA", "CodeSet-A"},
    {2, "csCodeSetB", "CodeSet-B"},
    {3, "csCodeSetC", "CodeSet-C"},
};
}  // namespace

const EnumTable &typeNames()
{
    static const EnumTable t{kTypes, int(std::size(kTypes))};
    return t;
}
const EnumTable &checkCharNames()
{
    static const EnumTable t{kCheckChars, int(std::size(kCheckChars))};
    return t;
}
const EnumTable &checkPatternNames()
{
    static const EnumTable t{kCheckPatterns, int(std::size(kCheckPatterns))};
    return t;
}
const EnumTable &codeSetNames()
{
    static const EnumTable t{kCodeSets, int(std::size(kCodeSets))};
    return t;
}

bool isJanOrUpc(BarcodeType t)
{
    return t == BarcodeType::JAN8 || t == BarcodeType::JAN13 || t == BarcodeType::UPCA || t == BarcodeType::UPCE;
}

bool isItf(BarcodeType t)
{
    return t == BarcodeType::ITF6 || t == BarcodeType::ITF14 || t == BarcodeType::ITF16 || t == BarcodeType::ITF;
}

bool isElementSized(BarcodeType t)
{
    return t == BarcodeType::NW7 || t == BarcodeType::Code39 || t == BarcodeType::Code128;
}

}  // namespace strilux
