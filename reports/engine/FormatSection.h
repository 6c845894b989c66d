#pragma once

#include "JapaneseNumerals.h"

#include <QString>
#include <QStringView>
#include <vector>

namespace celvane {

// One section of a number format code, split into what it shows: literal text, digit
// placeholders, date and time parts, the text placeholder, and the section's condition,
// colour, locale and numerals.
struct FormatSection
{
    struct Token
    {
        enum class Kind {
            Literal,   // text shown as it is ("年", "\-", "_)" as a space)
            Fill,      // "*x": x repeated to fill the cell
            Zero,      // 0
            Hash,      // #
            Question,  // ?
            Point,     // .
            Comma,     // ,
            Percent,   // %
            Exponent,  // E+ or E-, the sign in text
            Slash,     // / of a fraction
            Text,      // @
            General,   // General
            Date,      // a date or time part, its code in text ("yyyy", "m", "[h]", "ampm", ".00")
        };
        Kind kind;
        QString text;
        // What the token shows where it stands as itself: its text, or its own character.
        QString shown() const;
    };

    std::vector<Token> tokens;
    bool hasCondition = false;
    QString conditionOperator;  // "<", "<=", "=", "<>", ">=", ">"
    double conditionValue = 0.0;
    int colorIndex = -1;     // palette index, -1 for none
    QChar fillCharacter;     // of the section's "*" fill
    bool japanese = false;   // a Japanese locale ([$-411]) or era parts: weekdays in Japanese
    bool isDate = false;     // has date or time parts
    bool isText = false;     // holds @ and no digits
    bool hasDigits = false;  // holds digit placeholders
    bool isGeneral = false;  // holds General
    // Of a "[DBNum1]" to "[DBNum3]" group.
    JapaneseNumerals::System numerals = JapaneseNumerals::System::Western;

    static FormatSection parse(QStringView code);
    // Splits a format code at the semicolons that end its sections.
    static std::vector<QString> split(const QString &code);
    bool matches(double value) const;
};

}  // namespace celvane
