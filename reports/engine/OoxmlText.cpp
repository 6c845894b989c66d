#include "OoxmlText.h"

namespace celvane {

namespace {

bool isHex(QChar c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

// Whether an escape "_xHHHH_" starts at the position.
bool escapeAt(const QString &text, qsizetype at)
{
    if (at + 7 > text.size() || text[at] != u'_' || (text[at + 1] != u'x' && text[at + 1] != u'X')
        || text[at + 6] != u'_')
        return false;
    for (qsizetype i = at + 2; i < at + 6; ++i)
        if (!isHex(text[i]))
            return false;
    return true;
}

bool xmlCanHold(const QString &text, qsizetype at)
{
    const char16_t c = text[at].unicode();
    // A carriage return is written escaped too: readers turn a written one into a line feed.
    if (c < 0x20)
        return c == u'\t' || c == u'\n';
    if (c == 0xFFFE || c == 0xFFFF)
        return false;
    if (QChar::isHighSurrogate(c))
        return at + 1 < text.size() && QChar::isLowSurrogate(text[at + 1].unicode());
    if (QChar::isLowSurrogate(c))
        return at > 0 && QChar::isHighSurrogate(text[at - 1].unicode());
    return true;
}

void appendEscape(QString &out, char16_t code)
{
    out += QStringLiteral("_x") + QString::number(unsigned(code), 16).toUpper().rightJustified(4, u'0') + u'_';
}

}  // namespace

QString OoxmlText::encode(const QString &text)
{
    qsizetype i = 0;
    while (i < text.size() && xmlCanHold(text, i) && !escapeAt(text, i))
        ++i;
    if (i == text.size())
        return text;
    QString out = text.left(i);
    for (; i < text.size(); ++i) {
        if (!xmlCanHold(text, i) || (text[i] == u'_' && escapeAt(text, i)))
            appendEscape(out, text[i].unicode());
        else
            out += text[i];
    }
    return out;
}

QString OoxmlText::decode(const QString &text)
{
    qsizetype i = text.indexOf(QLatin1String("_x"), 0, Qt::CaseInsensitive);
    if (i < 0)
        return text;
    QString out = text.left(i);
    while (i < text.size()) {
        if (escapeAt(text, i)) {
            out += QChar(char16_t(text.mid(i + 2, 4).toUShort(nullptr, 16)));
            i += 7;
        } else {
            out += text[i++];
        }
    }
    return out;
}

}  // namespace celvane
