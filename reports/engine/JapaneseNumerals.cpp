#include "JapaneseNumerals.h"

namespace celvane {

namespace {

using System = JapaneseNumerals::System;

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

QChar digitOf(QChar ascii, System system)
{
    static const char16_t kanji[] = u"〇一二三四五六七八九";
    static const char16_t formal[] = u"零壱弐参四伍六七八九";
    const int value = ascii.unicode() - u'0';
    switch (system) {
    case System::Kanji:
        return kanji[value];
    case System::Formal:
        return formal[value];
    case System::FullWidth:
        return QChar(u'０' + value);
    case System::Western:
        break;
    }
    return ascii;
}

// Up to four digits with the units of ten, a hundred and a thousand: 1234 is 一千二百三十四,
// 110 is 百十. Ten and a hundred go without a one before them; a thousand keeps it.
QString belowTenThousand(QStringView digits, System system)
{
    static const char16_t kanjiUnits[] = u"十百千";
    static const char16_t formalUnits[] = u"拾百阡";
    const char16_t *units = system == System::Formal ? formalUnits : kanjiUnits;
    QString out;
    for (qsizetype i = 0; i < digits.size(); ++i) {
        const QChar d = digits[i];
        const qsizetype place = digits.size() - 1 - i;
        if (d == u'0')
            continue;
        if (place == 0 || d != u'1' || place == 3)
            out += digitOf(d, system);
        if (place > 0)
            out += QChar(units[place - 1]);
    }
    return out;
}

// Digits without leading zeros, in groups of four under 万, 億, 兆 and 京; what lies above
// 京 is itself a number of 京 (一万京).
QString placed(QStringView digits, System system)
{
    static const char16_t kanjiGroups[] = u"万億兆";
    static const char16_t formalGroups[] = u"萬億兆";
    constexpr qsizetype kKei = 16;  // 京 is ten to the sixteenth
    if (digits.size() > kKei + 4) {
        const QStringView high = digits.first(digits.size() - kKei);
        QStringView low = digits.last(kKei);
        while (!low.isEmpty() && low.front() == u'0')
            low = low.sliced(1);
        return placed(high, system) + u'京' + (low.isEmpty() ? QString() : placed(low, system));
    }
    const char16_t *groups = system == System::Formal ? formalGroups : kanjiGroups;
    QString out;
    const qsizetype count = (digits.size() + 3) / 4;
    qsizetype end = digits.size() - (count - 1) * 4;
    for (qsizetype group = count - 1, begin = 0; group >= 0; --group) {
        const QString part = belowTenThousand(digits.sliced(begin, end - begin), system);
        if (!part.isEmpty()) {
            out += part;
            if (group > 0)
                out += group == 4 ? QChar(u'京') : QChar(groups[group - 1]);
        }
        begin = end;
        end += 4;
    }
    return out;
}

}  // namespace

JapaneseNumerals::System JapaneseNumerals::ofGroup(int group)
{
    switch (group) {
    case 1:
        return System::Kanji;
    case 2:
        return System::Formal;
    case 3:
        return System::FullWidth;
    default:
        return System::Western;
    }
}

QString JapaneseNumerals::digits(QStringView digits, System system)
{
    QString out;
    out.reserve(digits.size());
    for (const QChar c : digits)
        out += isDigit(c) ? digitOf(c, system) : c;
    return out;
}

QString JapaneseNumerals::number(QStringView digits, System system)
{
    if (system == System::Western || system == System::FullWidth)
        return JapaneseNumerals::digits(digits, system);
    while (digits.size() > 1 && digits.front() == u'0')
        digits = digits.sliced(1);
    if (digits.isEmpty() || digits == u"0")
        return digitOf(u'0', system);
    return placed(digits, system);
}

QString JapaneseNumerals::text(QStringView text, System system)
{
    if (system == System::Western)
        return text.toString();
    const bool fullWidth = system == System::FullWidth;
    QString out;
    qsizetype i = 0;
    const auto digitAt = [&text](qsizetype at) { return at < text.size() && isDigit(text[at]); };
    while (i < text.size()) {
        const QChar c = text[i];
        if (c == u'-') {
            out += fullWidth ? u'－' : u'−';
            ++i;
        } else if (c == u'.' && digitAt(i + 1)) {
            // Decimals read digit by digit.
            out += fullWidth ? u'．' : u'・';
            qsizetype end = i + 1;
            while (digitAt(end))
                ++end;
            out += digits(text.sliced(i + 1, end - i - 1), system);
            i = end;
        } else if (isDigit(c)) {
            QString run;
            while (digitAt(i) || (i < text.size() && text[i] == u',' && digitAt(i + 1))) {
                if (text[i] == u',') {
                    if (fullWidth)
                        run += u'，';
                } else {
                    run += text[i];
                }
                ++i;
            }
            out += number(run, system);
        } else {
            out += c;
            ++i;
        }
    }
    return out;
}

}  // namespace celvane
