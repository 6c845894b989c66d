#include "NumberFormat.h"

#include "DateText.h"

#include <cmath>

namespace celvane {

namespace {

using Token = FormatSection::Token;
using Kind = Token::Kind;

// Marks where a "*" fill stands while a text is built from its right end.
constexpr QChar kFillMark = QChar(0x0001);

bool isPlaceholder(const Token &token)
{
    return token.kind == Kind::Zero || token.kind == Kind::Hash || token.kind == Kind::Question;
}

// A non-negative value in fixed notation with `decimals` decimals, rounded half up on its
// decimal digits as a spreadsheet keeps them (15 significant): 2.675 shows as 2.68, though
// the nearest double lies just below it.
QString fixedDigits(double value, int decimals)
{
    decimals = std::clamp(decimals, 0, 30);
    const QString scientific = QString::number(value, 'e', 14);  // "d.dddddddddddddde+XX"
    const qsizetype e = scientific.indexOf(u'e');
    QString digits = scientific.left(1) + scientific.mid(2, e - 2);
    int integerDigits = scientific.mid(e + 1).toInt() + 1;
    const int keep = integerDigits + decimals;
    if (keep < 0) {
        digits.clear();
    } else if (keep < digits.size()) {
        const bool up = digits[keep] >= u'5';
        digits.truncate(keep);
        qsizetype at = digits.size();
        while (up && at > 0 && digits[at - 1] == u'9')
            digits[--at] = u'0';
        if (up && at > 0)
            digits[at - 1] = QChar(digits[at - 1].unicode() + 1);
        else if (up) {
            digits.prepend(u'1');
            ++integerDigits;
        }
    }
    if (integerDigits <= 0) {
        digits = QString(-integerDigits, u'0') + digits;
        integerDigits = 0;
    }
    digits = digits.leftJustified(integerDigits + decimals, u'0', true);
    QString integer = digits.left(integerDigits);
    while (integer.size() > 1 && integer.front() == u'0')
        integer.remove(0, 1);
    if (integer.isEmpty())
        integer = QStringLiteral("0");
    return decimals == 0 ? integer : integer + u'.' + digits.mid(integerDigits);
}

// Text of the tokens that are neither digits nor part of a number, as they stand; a fill
// leaves its mark.
QString plainText(const Token &token)
{
    return token.kind == Kind::Fill ? QString(kFillMark) : token.shown();
}

// Lays the digits of a number out over the placeholders of one section.
class DigitLayout
{
public:
    DigitLayout(const std::vector<Token> &tokens, size_t begin, size_t end)
        : m_tokens(tokens)
        , m_begin(begin)
        , m_end(end)
    {
        m_point = end;
        for (size_t i = begin; i < end; ++i)
            if (tokens[i].kind == Kind::Point) {
                m_point = i;
                break;
            }
        for (size_t i = begin; i < m_point; ++i)
            if (isPlaceholder(tokens[i])) {
                m_firstDigit = std::min(m_firstDigit, i);
                m_lastDigit = i;
                ++m_integerPlaceholders;
            }
        for (size_t i = begin; i < m_point; ++i) {
            if (tokens[i].kind != Kind::Comma)
                continue;
            if (m_integerPlaceholders > 0 && i > m_firstDigit && i < m_lastDigit)
                m_grouping = true;
            else if (m_integerPlaceholders > 0 && i > m_lastDigit)
                ++m_thousandsScale;
        }
        for (size_t i = m_point; i < end; ++i)
            m_decimals += isPlaceholder(tokens[i]);
        for (size_t i = begin; i < end; ++i)
            m_percent += tokens[i].kind == Kind::Percent;
    }

    int decimals() const { return m_decimals; }
    int integerPlaceholders() const { return m_integerPlaceholders; }
    bool engineering() const
    {
        for (size_t i = m_begin; i < m_point; ++i)
            if (m_tokens[i].kind == Kind::Hash)
                return m_integerPlaceholders > 1;
        return false;
    }
    double scaled(double value) const
    {
        return value * std::pow(100.0, m_percent) / std::pow(1000.0, m_thousandsScale);
    }

    // The placeholders filled with the digits of a non-negative value already scaled.
    QString render(double value) const
    {
        const QString digits = fixedDigits(value, m_decimals);
        const qsizetype dot = digits.indexOf(u'.');
        QString integer = dot < 0 ? digits : digits.left(dot);
        if (integer == QLatin1String("0"))
            integer.clear();
        const QString fraction = dot < 0 ? QString() : digits.mid(dot + 1);
        return integerPart(integer) + fractionPart(fraction);
    }

private:
    QString integerPart(const QString &digits) const
    {
        QString out;
        qsizetype remaining = digits.size();
        int emitted = 0;
        const auto digit = [&](QChar c) {
            if (m_grouping && emitted > 0 && emitted % 3 == 0)
                out.prepend(u',');
            out.prepend(c);
            ++emitted;
        };
        const auto pad = [&](const Token &token) {
            if (token.kind == Kind::Zero)
                digit(u'0');
            else if (token.kind == Kind::Question)
                out.prepend(u' ');
        };
        for (size_t i = m_point; i-- > m_begin;) {
            const Token &token = m_tokens[i];
            if (isPlaceholder(token)) {
                if (i == m_firstDigit) {
                    // The leftmost placeholder takes every digit that is left.
                    if (remaining == 0)
                        pad(token);
                    while (remaining > 0)
                        digit(digits[--remaining]);
                } else if (remaining > 0) {
                    digit(digits[--remaining]);
                } else {
                    pad(token);
                }
            } else if (token.kind == Kind::Comma) {
                if (m_integerPlaceholders == 0)
                    out.prepend(u',');
            } else {
                out.prepend(plainText(token));
            }
        }
        return out;
    }

    QString fractionPart(const QString &digits) const
    {
        if (m_point >= m_end)
            return {};
        qsizetype lastShown = digits.size();
        while (lastShown > 0 && digits[lastShown - 1] == u'0')
            --lastShown;
        QString out = QStringLiteral(".");
        qsizetype next = 0;
        for (size_t i = m_point + 1; i < m_end; ++i) {
            const Token &token = m_tokens[i];
            if (!isPlaceholder(token)) {
                out += plainText(token);
                continue;
            }
            const qsizetype at = next++;
            if (at < lastShown || token.kind == Kind::Zero)
                out += at < digits.size() ? digits[at] : QChar(u'0');
            else if (token.kind == Kind::Question)
                out += u' ';
        }
        return out;
    }

    const std::vector<Token> &m_tokens;
    size_t m_begin;
    size_t m_end;
    size_t m_point;
    size_t m_firstDigit = SIZE_MAX;
    size_t m_lastDigit = 0;
    int m_integerPlaceholders = 0;
    int m_decimals = 0;
    int m_percent = 0;
    int m_thousandsScale = 0;
    bool m_grouping = false;
};

QString exponentNumber(const std::vector<Token> &tokens, size_t exponentAt, double value)
{
    const DigitLayout mantissa(tokens, 0, exponentAt);
    const int step = mantissa.engineering() ? mantissa.integerPlaceholders() : 1;
    const int lead = mantissa.engineering() ? 1 : std::max(1, mantissa.integerPlaceholders());
    const double shown = mantissa.scaled(value);
    int exponent = 0;
    if (shown > 0) {
        exponent = int(std::floor(std::log10(shown))) - (lead - 1);
        exponent = int(std::floor(double(exponent) / step)) * step;
        // Rounding may carry into one more digit: 9.99 shown with one decimal is 1.0E+1.
        const QString rounded = fixedDigits(shown / std::pow(10.0, exponent), mantissa.decimals());
        if (rounded.toDouble() >= std::pow(10.0, std::max(lead, step)))
            exponent += step;
    }
    QString out = mantissa.render(shown == 0 ? 0 : shown / std::pow(10.0, exponent));
    int exponentDigits = 0;
    size_t after = exponentAt + 1;
    for (; after < tokens.size() && isPlaceholder(tokens[after]); ++after)
        exponentDigits += tokens[after].kind == Kind::Zero;
    out += u'E';
    out += exponent < 0                                 ? QStringLiteral("-")
        : tokens[exponentAt].text == QLatin1String("+") ? QStringLiteral("+")
                                                        : QString();
    out += QString::number(std::abs(exponent)).rightJustified(std::max(1, exponentDigits), u'0');
    for (; after < tokens.size(); ++after)
        out += plainText(tokens[after]);
    return out;
}

QString fractionNumber(const std::vector<Token> &tokens, size_t slashAt, double value)
{
    // The numerator's placeholders run up to the slash; placeholders before them hold the whole part.
    size_t numeratorStart = slashAt;
    while (numeratorStart > 0 && isPlaceholder(tokens[numeratorStart - 1]))
        --numeratorStart;
    bool wholePart = false;
    for (size_t i = 0; i < numeratorStart; ++i)
        wholePart |= isPlaceholder(tokens[i]);
    const int numeratorWidth = int(slashAt - numeratorStart);
    size_t denominatorEnd = slashAt + 1;
    int denominatorWidth = 0;
    while (denominatorEnd < tokens.size() && isPlaceholder(tokens[denominatorEnd])) {
        ++denominatorEnd;
        ++denominatorWidth;
    }
    int fixedDenominator = 0;
    if (denominatorWidth == 0 && denominatorEnd < tokens.size() && tokens[denominatorEnd].kind == Kind::Literal) {
        const QString &text = tokens[denominatorEnd].text;
        qsizetype digits = 0;
        while (digits < text.size() && text[digits].isDigit())
            ++digits;
        fixedDenominator = text.left(digits).toInt();
        denominatorWidth = int(digits);
    }
    const double whole = wholePart ? std::floor(value) : 0.0;
    const double part = value - whole;
    qint64 numerator = 0;
    qint64 denominator = 1;
    if (fixedDenominator > 0) {
        denominator = fixedDenominator;
        numerator = std::llround(part * double(denominator));
    } else {
        const qint64 largest = qint64(std::pow(10.0, std::clamp(denominatorWidth, 1, 4))) - 1;
        double best = 2.0;
        for (qint64 d = 1; d <= largest; ++d) {
            const qint64 n = std::llround(part * double(d));
            const double error = std::abs(part - double(n) / double(d));
            if (error < best - 1e-12) {
                best = error;
                numerator = n;
                denominator = d;
            }
        }
    }
    double shownWhole = whole;
    if (wholePart && numerator == denominator) {
        shownWhole += 1;
        numerator = 0;
    }
    QString out;
    for (size_t i = 0; i < numeratorStart; ++i)
        if (!isPlaceholder(tokens[i]))
            out += plainText(tokens[i]);
        else if (i + 1 == numeratorStart || !isPlaceholder(tokens[i + 1]))
            out += shownWhole > 0 || numerator == 0 ? fixedDigits(shownWhole, 0) : QString();
    if (wholePart && numerator == 0) {
        out += QString(numeratorWidth + 1 + denominatorWidth, u' ');
        return out;
    }
    out += QString::number(numerator).rightJustified(numeratorWidth, u' ') + u'/';
    out += fixedDenominator > 0 ? QString() : QString::number(denominator).leftJustified(denominatorWidth, u' ');
    for (size_t i = denominatorEnd; i < tokens.size(); ++i)
        out += plainText(tokens[i]);
    return out;
}

FormattedValue overflowing()
{
    FormattedValue out;
    out.overflow = true;
    return out;
}

}  // namespace

NumberFormat::NumberFormat(const QString &code, bool date1904)
    : m_dateOffset(date1904 ? 1462.0 : 0.0)
{
    const std::vector<QString> parts = FormatSection::split(code);
    for (size_t i = 0; i < parts.size() && i < 4; ++i) {
        FormatSection section = FormatSection::parse(parts[i]);
        if (i == 3 || section.isText) {
            if (!m_hasText) {
                m_text = std::move(section);
                m_hasText = true;
            }
        } else {
            m_numeric.push_back(std::move(section));
        }
    }
}

const FormatSection *NumberFormat::choose(double value, bool &showMinus) const
{
    showMinus = false;
    const size_t count = m_numeric.size();
    if (count == 0)
        return nullptr;
    const bool conditional
        = std::any_of(m_numeric.begin(), m_numeric.end(), [](const FormatSection &s) { return s.hasCondition; });
    if (conditional) {
        // A section whose condition admits only negative numbers shows them without their sign.
        const auto pick = [&](const FormatSection &section) {
            const bool negativesOnly
                = (section.conditionOperator == QLatin1String("<") || section.conditionOperator == QLatin1String("<="))
                && section.conditionValue <= 0;
            showMinus = value < 0 && !(section.hasCondition && negativesOnly);
            return &section;
        };
        if (!m_numeric[0].hasCondition || m_numeric[0].matches(value))
            return pick(m_numeric[0]);
        if (count > 1 && (!m_numeric[1].hasCondition || m_numeric[1].matches(value)))
            return pick(m_numeric[1]);
        if (count > 2)
            return pick(m_numeric[2]);
        return nullptr;
    }
    if (count == 1 || (value > 0 || (value == 0 && count == 2))) {
        showMinus = count == 1 && value < 0;
        return &m_numeric[0];
    }
    if (value < 0)
        return &m_numeric[1];
    return &m_numeric[2];
}

FormattedValue NumberFormat::apply(const FormatSection &section, double value, bool showMinus) const
{
    FormattedValue out;
    out.colorIndex = section.colorIndex;
    const auto &tokens = section.tokens;
    const double magnitude = std::abs(value);
    if (section.isDate) {
        if (!DateText::render(section, (showMinus ? value : magnitude) + m_dateOffset, out))
            out.overflow = true;
        return out;
    }
    QString text;
    if (section.hasDigits) {
        size_t exponentAt = tokens.size(), slashAt = tokens.size();
        for (size_t i = 0; i < tokens.size(); ++i) {
            if (tokens[i].kind == Kind::Exponent && exponentAt == tokens.size())
                exponentAt = i;
            if (tokens[i].kind == Kind::Slash && slashAt == tokens.size())
                slashAt = i;
        }
        const bool scientific = exponentAt < tokens.size();
        if (scientific)
            text = exponentNumber(tokens, exponentAt, magnitude);
        else if (slashAt < tokens.size())
            text = fractionNumber(tokens, slashAt, magnitude);
        else {
            const DigitLayout layout(tokens, 0, tokens.size());
            text = layout.render(layout.scaled(magnitude));
        }
        if (showMinus)
            text.prepend(u'-');
        // Kanji numerals read the whole text, sign and literal digits included, as LibreOffice
        // prints them; exponents keep their digits.
        if (!scientific)
            text = JapaneseNumerals::text(text, section.numerals);
    } else {
        for (const Token &token : tokens) {
            if (token.kind == Kind::General) {
                // The sign takes its place in the General number's eleven characters.
                text += general(showMinus ? value : magnitude, 11, section.numerals);
                out.general = true;
                out.numerals = section.numerals;
            } else {
                text += plainText(token);
            }
        }
        if (showMinus && !section.isGeneral)
            text.prepend(u'-');
    }
    out.fillAt = int(text.indexOf(kFillMark));
    out.fillCharacter = section.fillCharacter;
    out.text = text.remove(kFillMark);
    return out;
}

FormattedValue NumberFormat::format(double value) const
{
    if (!std::isfinite(value))
        return overflowing();
    bool showMinus = false;
    const FormatSection *section = choose(value, showMinus);
    if (!section) {
        if (!m_numeric.empty())
            return overflowing();  // no section admits the value
        FormattedValue out;
        out.text = general(value);
        out.general = true;
        return out;
    }
    return apply(*section, value, showMinus);
}

FormattedValue NumberFormat::formatText(const QString &text) const
{
    FormattedValue out;
    if (!m_hasText) {
        out.text = text;
        return out;
    }
    out.colorIndex = m_text.colorIndex;
    for (const Token &token : m_text.tokens)
        out.text += token.kind == Kind::Text ? text : plainText(token);
    out.fillAt = int(out.text.indexOf(kFillMark));
    out.fillCharacter = m_text.fillCharacter;
    out.text.remove(kFillMark);
    return out;
}

QString NumberFormat::general(double value, int length, JapaneseNumerals::System numerals)
{
    if (numerals != JapaneseNumerals::System::Western) {
        const QString number = general(value, length);
        const qsizetype sign = number.startsWith(u'-') ? 1 : 0;
        return number.left(sign) + JapaneseNumerals::text(QStringView(number).sliced(sign), numerals);
    }
    if (value == 0)
        return QStringLiteral("0");
    const double magnitude = std::abs(value);
    const int room = length - (value < 0 ? 1 : 0);
    const int exponent = int(std::floor(std::log10(magnitude)));
    QString text;
    if (exponent < room && exponent >= -9) {
        const int decimals = std::max(0, room - std::max(1, exponent + 1) - 1);
        text = fixedDigits(magnitude, decimals);
        if (text.contains(u'.')) {
            while (text.endsWith(u'0'))
                text.chop(1);
            if (text.endsWith(u'.'))
                text.chop(1);
        }
    }
    if (text.isEmpty() || text == QLatin1String("0")) {
        // Scientific: as many digits as the room leaves beside the exponent ("1.23457E+11").
        const int exponentLength = std::abs(exponent) >= 100 ? 5 : 4;
        for (int decimals = std::max(0, room - exponentLength - 2); decimals >= 0; --decimals) {
            text = QString::number(magnitude, 'E', decimals);
            const qsizetype e = text.indexOf(u'E');
            QString mantissa = text.left(e);
            if (mantissa.contains(u'.')) {
                while (mantissa.endsWith(u'0'))
                    mantissa.chop(1);
                if (mantissa.endsWith(u'.'))
                    mantissa.chop(1);
            }
            text = mantissa + text.mid(e);
            if (text.size() <= room)
                break;
        }
    }
    if (text.size() > room)
        return {};
    return value < 0 ? u'-' + text : text;
}

QString NumberFormat::builtin(int id)
{
    switch (id) {
    case 1:
        return QStringLiteral("0");
    case 2:
        return QStringLiteral("0.00");
    case 3:
        return QStringLiteral("#,##0");
    case 4:
        return QStringLiteral("#,##0.00");
    case 5:
        return QStringLiteral("\"¥\"#,##0;\"¥\"\\-#,##0");
    case 6:
        return QStringLiteral("\"¥\"#,##0;[Red]\"¥\"\\-#,##0");
    case 7:
        return QStringLiteral("\"¥\"#,##0.00;\"¥\"\\-#,##0.00");
    case 8:
        return QStringLiteral("\"¥\"#,##0.00;[Red]\"¥\"\\-#,##0.00");
    case 9:
        return QStringLiteral("0%");
    case 10:
        return QStringLiteral("0.00%");
    case 11:
        return QStringLiteral("0.00E+00");
    case 12:
        return QStringLiteral("# ?/?");
    case 13:
        return QStringLiteral("# ?\?/??");
    case 14:
        return QStringLiteral("yyyy/m/d");
    case 15:
        return QStringLiteral("d-mmm-yy");
    case 16:
        return QStringLiteral("d-mmm");
    case 17:
        return QStringLiteral("mmm-yy");
    case 18:
        return QStringLiteral("h:mm AM/PM");
    case 19:
        return QStringLiteral("h:mm:ss AM/PM");
    case 20:
        return QStringLiteral("h:mm");
    case 21:
        return QStringLiteral("h:mm:ss");
    case 22:
        return QStringLiteral("yyyy/m/d h:mm");
    case 27:
    case 36:
    case 50:
    case 57:
        return QStringLiteral("[$-411]ge.m.d");
    case 28:
    case 29:
    case 51:
    case 54:
    case 58:
        return QStringLiteral("[$-411]ggge\"年\"m\"月\"d\"日\"");
    case 30:
        return QStringLiteral("m/d/yy");
    case 31:
        return QStringLiteral("yyyy\"年\"m\"月\"d\"日\"");
    case 32:
        return QStringLiteral("h\"時\"mm\"分\"");
    case 33:
        return QStringLiteral("h\"時\"mm\"分\"ss\"秒\"");
    case 34:
    case 52:
    case 55:
        return QStringLiteral("yyyy\"年\"m\"月\"");
    case 35:
    case 53:
    case 56:
        return QStringLiteral("m\"月\"d\"日\"");
    case 37:
        return QStringLiteral("#,##0 ;(#,##0)");
    case 38:
        return QStringLiteral("#,##0 ;[Red](#,##0)");
    case 39:
        return QStringLiteral("#,##0.00;(#,##0.00)");
    case 40:
        return QStringLiteral("#,##0.00;[Red](#,##0.00)");
    case 41:
        return QStringLiteral("_ * #,##0_ ;_ * \\-#,##0_ ;_ * \"-\"_ ;_ @_ ");
    case 42:
        return QStringLiteral("_ \"¥\"* #,##0_ ;_ \"¥\"* \\-#,##0_ ;_ \"¥\"* \"-\"_ ;_ @_ ");
    case 43:
        return QStringLiteral("_ * #,##0.00_ ;_ * \\-#,##0.00_ ;_ * \"-\"??_ ;_ @_ ");
    case 44:
        return QStringLiteral("_ \"¥\"* #,##0.00_ ;_ \"¥\"* \\-#,##0.00_ ;_ \"¥\"* \"-\"??_ ;_ @_ ");
    case 45:
        return QStringLiteral("mm:ss");
    case 46:
        return QStringLiteral("[h]:mm:ss");
    case 47:
        return QStringLiteral("mm:ss.0");
    case 48:
        return QStringLiteral("##0.0E+0");
    case 49:
        return QStringLiteral("@");
    default:
        return QStringLiteral("General");
    }
}

}  // namespace celvane
