#include "PdfLexer.h"

#include "CelvaneError.h"

namespace celvane {

namespace {

bool isSpace(char c)
{
    return c == ' ' || c == '\n' || c == '\r' || c == '\t' || c == '\f' || c == '\0';
}

bool isDelimiter(char c)
{
    return c == '(' || c == ')' || c == '<' || c == '>' || c == '[' || c == ']' || c == '{' || c == '}' || c == '/'
        || c == '%';
}

bool isRegular(char c)
{
    return !isSpace(c) && !isDelimiter(c);
}

PdfLexer::Kind kindOfRegular(QByteArrayView word)
{
    qsizetype i = word.startsWith('+') || word.startsWith('-') ? 1 : 0;
    bool digits = false, point = false;
    for (; i < word.size(); ++i) {
        if (word[i] >= '0' && word[i] <= '9')
            digits = true;
        else if (word[i] == '.' && !point)
            point = true;
        else
            return PdfLexer::Kind::Keyword;
    }
    if (!digits)
        return PdfLexer::Kind::Keyword;
    return point ? PdfLexer::Kind::Real : PdfLexer::Kind::Integer;
}

CelvaneError unreadable(const char *what)
{
    return CelvaneError(QStringLiteral("PDF を読めません（%1）").arg(QLatin1String(what)));
}

}  // namespace

void PdfLexer::skipSpaceAndComments()
{
    while (m_at < m_text.size()) {
        if (isSpace(m_text[m_at])) {
            ++m_at;
        } else if (m_text[m_at] == '%') {
            while (m_at < m_text.size() && m_text[m_at] != '\n' && m_text[m_at] != '\r')
                ++m_at;
        } else {
            return;
        }
    }
}

qsizetype PdfLexer::endOfLiteralString(qsizetype from) const
{
    int depth = 0;
    for (qsizetype i = from; i < m_text.size(); ++i) {
        const char c = m_text[i];
        if (c == '\\')
            ++i;  // whatever follows a backslash is the string's own
        else if (c == '(')
            ++depth;
        else if (c == ')' && --depth == 0)
            return i + 1;
    }
    throw unreadable("a string does not end");
}

PdfLexer::Token PdfLexer::next()
{
    skipSpaceAndComments();
    Token token{Kind::End, m_at, m_at};
    if (m_at >= m_text.size())
        return token;
    const char c = m_text[m_at];
    const char following = m_at + 1 < m_text.size() ? m_text[m_at + 1] : '\0';
    if (c == '(') {
        token.kind = Kind::String;
        m_at = endOfLiteralString(m_at);
    } else if (c == '<' && following == '<') {
        token.kind = Kind::DictOpen;
        m_at += 2;
    } else if (c == '>' && following == '>') {
        token.kind = Kind::DictClose;
        m_at += 2;
    } else if (c == '<') {
        const qsizetype close = m_text.indexOf('>', m_at);
        if (close < 0)
            throw unreadable("a hexadecimal string does not end");
        token.kind = Kind::HexString;
        m_at = close + 1;
    } else if (c == '[' || c == ']') {
        token.kind = c == '[' ? Kind::ArrayOpen : Kind::ArrayClose;
        ++m_at;
    } else if (c == '/') {
        token.kind = Kind::Name;
        ++m_at;
        while (m_at < m_text.size() && isRegular(m_text[m_at]))
            ++m_at;
    } else if (isRegular(c)) {
        while (m_at < m_text.size() && isRegular(m_text[m_at]))
            ++m_at;
        token.kind = kindOfRegular(m_text.sliced(token.begin, m_at - token.begin));
    } else {
        token.kind = Kind::Keyword;  // a brace of a function, or a stray delimiter
        ++m_at;
    }
    token.end = m_at;
    return token;
}

qint64 PdfLexer::integer(const Token &token) const
{
    bool ok = false;
    const qint64 value = token.kind == Kind::Integer ? text(token).toLongLong(&ok) : 0;
    if (!ok)
        throw unreadable("a number was expected");
    return value;
}

}  // namespace celvane
