#include "FormatSection.h"

#include <QRegularExpression>

namespace celvane {

namespace {

using Kind = FormatSection::Token::Kind;

// Palette indexes of the colour names a format may give.
int namedColor(const QString &name)
{
    static const QStringList names
        = {QStringLiteral("black"), QStringLiteral("white"),  QStringLiteral("red"),     QStringLiteral("green"),
           QStringLiteral("blue"),  QStringLiteral("yellow"), QStringLiteral("magenta"), QStringLiteral("cyan")};
    const qsizetype at = names.indexOf(name.toLower());
    return at < 0 ? -1 : int(at) + 8;
}

bool isDateLetter(QChar c)
{
    const char16_t l = c.toLower().unicode();
    return l == u'y' || l == u'm' || l == u'd' || l == u'h' || l == u's' || l == u'g' || l == u'e';
}

// The contents of a "[...]" group: a colour, a condition, a locale, numerals or elapsed time. Returns
// whether the group stands for the whole section, as the system's long date does.
bool bracket(FormatSection &section, const QString &inside)
{
    // One of each for every thread: formats are read by page runs drawn side by side.
    thread_local const QRegularExpression condition(
        QStringLiteral("^(<=|>=|<>|<|>|=)\\s*(-?[0-9.]+(?:[eE][-+]?\\d+)?)$"));
    thread_local const QRegularExpression elapsed(QStringLiteral("^(h+|m+|s+)$"),
                                                  QRegularExpression::CaseInsensitiveOption);
    thread_local const QRegularExpression numerals(QStringLiteral("^dbnum([1-9])$"),
                                                   QRegularExpression::CaseInsensitiveOption);
    thread_local const QRegularExpression colorNumber(QStringLiteral("^colou?r\\s*(\\d+)$"),
                                                      QRegularExpression::CaseInsensitiveOption);
    if (const int color = namedColor(inside); color >= 0) {
        section.colorIndex = color;
    } else if (const auto m = colorNumber.match(inside); m.hasMatch()) {
        section.colorIndex = std::clamp(m.captured(1).toInt(), 1, 56) + 7;
    } else if (const auto m = condition.match(inside); m.hasMatch()) {
        section.hasCondition = true;
        section.conditionOperator = m.captured(1);
        section.conditionValue = m.captured(2).toDouble();
    } else if (const auto m = numerals.match(inside); m.hasMatch()) {
        section.numerals = JapaneseNumerals::ofGroup(m.captured(1).toInt());
    } else if (elapsed.match(inside).hasMatch()) {
        section.tokens.push_back({Kind::Date, u'[' + inside.left(1).toLower() + u']'});
        section.isDate = true;
    } else if (inside.startsWith(u'$')) {
        // "[$¥-411]": a currency symbol to show and a locale; 411 (ja-JP) makes it Japanese.
        const qsizetype dash = inside.indexOf(u'-');
        const QString symbol = inside.mid(1, dash < 0 ? -1 : dash - 1);
        const QString locale = dash < 0 ? QString() : inside.mid(dash + 1).toUpper();
        if (!symbol.isEmpty())
            section.tokens.push_back({Kind::Literal, symbol});
        if (locale.endsWith(QLatin1String("411")) || locale.startsWith(QLatin1String("JA")))
            section.japanese = true;
        if (locale == QLatin1String("F800")) {  // the system's long date, in Japanese
            section.japanese = true;
            section.isDate = true;
            section.tokens.insert(section.tokens.end(),
                                  {{Kind::Date, QStringLiteral("yyyy")},
                                   {Kind::Literal, QStringLiteral("年")},
                                   {Kind::Date, QStringLiteral("m")},
                                   {Kind::Literal, QStringLiteral("月")},
                                   {Kind::Date, QStringLiteral("d")},
                                   {Kind::Literal, QStringLiteral("日")}});
            return true;
        }
    }
    // Other groups ([natnum1], ...) do not change the text here.
    return false;
}

}  // namespace

std::vector<QString> FormatSection::split(const QString &code)
{
    std::vector<QString> sections(1);
    for (qsizetype i = 0; i < code.size(); ++i) {
        const QChar c = code[i];
        if (c == u';') {
            sections.emplace_back();
            continue;
        }
        sections.back() += c;
        if ((c == u'\\' || c == u'_' || c == u'*') && i + 1 < code.size()) {
            sections.back() += code[++i];
        } else if (c == u'"' || c == u'[') {
            const QChar close = c == u'"' ? u'"' : u']';
            const qsizetype end = code.indexOf(close, i + 1);
            const qsizetype stop = end < 0 ? code.size() - 1 : end;
            sections.back() += code.mid(i + 1, stop - i);
            i = stop;
        }
    }
    return sections;
}

FormatSection FormatSection::parse(QStringView code)
{
    FormatSection section;
    auto &tokens = section.tokens;
    const auto literal = [&tokens](const QString &text) {
        if (!tokens.empty() && tokens.back().kind == Kind::Literal)
            tokens.back().text += text;
        else
            tokens.push_back({Kind::Literal, text});
    };
    const qsizetype n = code.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = code[i];
        const auto ahead
            = [&](QLatin1String word) { return code.mid(i, word.size()).compare(word, Qt::CaseInsensitive) == 0; };
        if (c == u'"') {
            const qsizetype end = code.indexOf(u'"', i + 1);
            literal(code.mid(i + 1, (end < 0 ? n : end) - i - 1).toString());
            i = end < 0 ? n : end;
        } else if (c == u'\\') {
            if (i + 1 < n)
                literal(code[++i]);
        } else if (c == u'_') {
            // Room as wide as the next character; a space stands for it.
            literal(QStringLiteral(" "));
            ++i;
        } else if (c == u'*') {
            if (i + 1 < n) {
                section.fillCharacter = code[++i];
                tokens.push_back({Kind::Fill, code[i]});
            }
        } else if (c == u'[') {
            const qsizetype end = code.indexOf(u']', i + 1);
            if (bracket(section, code.mid(i + 1, (end < 0 ? n : end) - i - 1).toString()))
                break;
            i = end < 0 ? n : end;
        } else if (ahead(QLatin1String("general"))) {
            tokens.push_back({Kind::General, {}});
            section.isGeneral = true;
            i += 6;
        } else if (ahead(QLatin1String("am/pm"))) {
            tokens.push_back({Kind::Date, QStringLiteral("ampm")});
            i += 4;
        } else if (ahead(QLatin1String("a/p"))) {
            tokens.push_back({Kind::Date, QStringLiteral("ap")});
            i += 2;
        } else if (ahead(QLatin1String("aaa"))) {
            qsizetype end = i;
            while (end < n && code[end].toLower() == u'a')
                ++end;
            tokens.push_back({Kind::Date, end - i >= 4 ? QStringLiteral("aaaa") : QStringLiteral("aaa")});
            section.isDate = true;
            i = end - 1;
        } else if ((c == u'E' || c == u'e') && i + 1 < n && (code[i + 1] == u'+' || code[i + 1] == u'-')
                   && section.hasDigits) {
            tokens.push_back({Kind::Exponent, code[i + 1]});
            ++i;
        } else if (isDateLetter(c)) {
            qsizetype end = i;
            while (end < n && code[end].toLower() == c.toLower())
                ++end;
            tokens.push_back({Kind::Date, code.mid(i, end - i).toString().toLower()});
            section.isDate = true;
            if (c.toLower() == u'g' || c.toLower() == u'e')
                section.japanese = true;
            i = end - 1;
        } else if (c == u'.' && section.isDate && i + 1 < n && code[i + 1] == u'0') {
            qsizetype end = i + 1;
            while (end < n && code[end] == u'0')
                ++end;
            tokens.push_back({Kind::Date, code.mid(i, end - i).toString()});  // fractions of a second
            i = end - 1;
        } else if (c == u'0' || c == u'#' || c == u'?') {
            tokens.push_back({c == u'0' ? Kind::Zero : c == u'#' ? Kind::Hash : Kind::Question, {}});
            section.hasDigits = true;
        } else if (c == u'.') {
            tokens.push_back({Kind::Point, {}});
        } else if (c == u',') {
            tokens.push_back({Kind::Comma, {}});
        } else if (c == u'%') {
            tokens.push_back({Kind::Percent, {}});
        } else if (c == u'/' && section.hasDigits && !section.isDate) {
            tokens.push_back({Kind::Slash, {}});
        } else if (c == u'@') {
            tokens.push_back({Kind::Text, {}});
        } else {
            literal(c);
        }
    }
    if (section.isDate)
        section.hasDigits = false;  // "0" after a date part is a literal zero there
    section.isText = !section.hasDigits && !section.isDate
        && std::any_of(tokens.begin(), tokens.end(), [](const Token &t) { return t.kind == Kind::Text; });
    return section;
}

QString FormatSection::Token::shown() const
{
    switch (kind) {
    case Kind::Literal:
        return text;
    case Kind::Zero:
        return QStringLiteral("0");
    case Kind::Hash:
        return QStringLiteral("#");
    case Kind::Question:
        return QStringLiteral("?");
    case Kind::Point:
        return QStringLiteral(".");
    case Kind::Comma:
        return QStringLiteral(",");
    case Kind::Percent:
        return QStringLiteral("%");
    case Kind::Slash:
        return QStringLiteral("/");
    default:
        return {};
    }
}

bool FormatSection::matches(double value) const
{
    const QString &op = conditionOperator;
    if (op == QLatin1String("<"))
        return value < conditionValue;
    if (op == QLatin1String("<="))
        return value <= conditionValue;
    if (op == QLatin1String("="))
        return value == conditionValue;
    if (op == QLatin1String("<>"))
        return value != conditionValue;
    if (op == QLatin1String(">="))
        return value >= conditionValue;
    if (op == QLatin1String(">"))
        return value > conditionValue;
    return true;
}

}  // namespace celvane
