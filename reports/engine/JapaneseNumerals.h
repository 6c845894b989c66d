#pragma once

#include <QString>
#include <QStringView>

namespace celvane {

// The numerals a "[DBNum1]" to "[DBNum3]" group gives a section of a Japanese number format:
// kanji (百二十三, 二〇二四), the formal kanji of contracts and receipts (百弐拾参, 壱阡) and
// full-width digits (１２３). A number reads with its place units (十百千, 万億兆京); a year
// or a digit written out as it stands reads digit by digit. "[DBNum4]" means nothing in
// Japanese and leaves the digits as they are.
class JapaneseNumerals
{
public:
    enum class System { Western, Kanji, Formal, FullWidth };

    // The system of a "[DBNumN]" group, given N.
    static System ofGroup(int group);
    // ASCII digits as one number: 1234 is 一千二百三十四, 0 is 〇, 0012 is 十二. Full-width
    // digits keep every digit, leading zeros too.
    static QString number(QStringView digits, System system);
    // ASCII digits one by one: 2024 is 二〇二四.
    static QString digits(QStringView digits, System system);
    // The text of a number section: each run of digits as a number, its decimals digit by
    // digit after "・", grouping commas dropped (kept in full width), every minus sign in the
    // system's own form. Other text stays as it is.
    static QString text(QStringView text, System system);
};

}  // namespace celvane
