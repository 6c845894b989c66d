#pragma once

#include "FormatSection.h"

#include <QString>
#include <vector>

namespace celvane {

// What a number format makes of a value: the text, and how a cell shows it.
struct FormattedValue
{
    QString text;
    int fillAt = -1;        // where a "*" repeat stands in the text, -1 for none
    QChar fillCharacter;    // repeated there until the text fills the cell
    int colorIndex = -1;    // palette index of a "[Red]" or "[Color 10]" section, -1 for none
    bool overflow = false;  // the value cannot be shown in this format: the cell shows "###"
    bool general = false;   // shown in the General format, so it may shorten to fit the cell
    JapaneseNumerals::System numerals = JapaneseNumerals::System::Western;  // of that General number
};

// A spreadsheet number format code ("#,##0;[Red]\-#,##0", "[$-411]ggge\"年\"m\"月\"d\"日\"",
// "[h]:mm", "@\" 殿\"") applied as Excel applies it: up to four sections (positive; negative;
// zero; text) or sections chosen by conditions, colours, literal text, "_" padding and "*"
// fill, digit placeholders with literal text between them, grouping, scaling, percent,
// exponents and fractions, the dates and times of DateText, and the kanji and full-width
// numerals of "[DBNum1]" to "[DBNum3]" groups (JapaneseNumerals).
class NumberFormat
{
public:
    // A workbook counting dates from 1904 shows each date serial 1462 days later.
    explicit NumberFormat(const QString &code, bool date1904 = false);

    FormattedValue format(double value) const;
    FormattedValue formatText(const QString &text) const;

    // The code of a built-in format id as a Japanese Excel reads it; "General" for unknown ids.
    static QString builtin(int id);
    // A number in the General format in at most `length` characters; empty when it cannot be.
    // Kanji numerals read its digits, and its sign keeps the plain form.
    static QString general(double value, int length = 11,
                           JapaneseNumerals::System numerals = JapaneseNumerals::System::Western);

private:
    const FormatSection *choose(double value, bool &showMinus) const;
    FormattedValue apply(const FormatSection &section, double value, bool showMinus) const;

    std::vector<FormatSection> m_numeric;  // the sections for numbers, in order
    FormatSection m_text;                  // the section for texts, if the code has one
    bool m_hasText = false;
    double m_dateOffset = 0.0;
};

}  // namespace celvane
