#include "CommaText.h"

namespace sorvik::package {

namespace {

constexpr QChar kQuote = QLatin1Char('"');
constexpr QChar kComma = QLatin1Char(',');

bool isBlank(QChar c)
{
    return c.unicode() >= 1 && c.unicode() <= 0x20;
}

bool needsQuotes(const QString &item)
{
    for (QChar c : item) {
        if (c.unicode() <= 0x20 || c == kQuote || c == kComma)
            return true;
    }
    return false;
}

QString quoted(const QString &item)
{
    QString result;
    result.reserve(item.size() + 2);
    result += kQuote;
    for (QChar c : item) {
        if (c == kQuote)
            result += kQuote;
        result += c;
    }
    result += kQuote;
    return result;
}

class LineReader
{
public:
    explicit LineReader(QStringView line)
        : m_line(line.left(line.indexOf(QChar(0)) < 0 ? line.size() : line.indexOf(QChar(0))))
    {
    }

    QStringList items()
    {
        QStringList result;
        skipBlanks();
        while (!atEnd()) {
            result << (current() == kQuote ? quotedItem() : plainItem());
            skipBlanks();
            if (!atEnd() && current() == kComma) {
                ++m_pos;
                if (atEnd())
                    result << QString();
                skipBlanks();
            }
        }
        return result;
    }

private:
    bool atEnd() const { return m_pos >= m_line.size(); }
    QChar current() const { return m_line[m_pos]; }

    void skipBlanks()
    {
        while (!atEnd() && isBlank(current()))
            ++m_pos;
    }

    QString plainItem()
    {
        const qsizetype start = m_pos;
        while (!atEnd() && current().unicode() > 0x20 && current() != kComma)
            ++m_pos;
        return m_line.mid(start, m_pos - start).toString();
    }

    QString quotedItem()
    {
        QString item;
        ++m_pos;
        while (!atEnd()) {
            const QChar c = current();
            ++m_pos;
            if (c != kQuote) {
                item += c;
            } else if (!atEnd() && current() == kQuote) {
                item += kQuote;
                ++m_pos;
            } else {
                break;
            }
        }
        return item;
    }

    QStringView m_line;
    qsizetype m_pos = 0;
};

}  // namespace

QString writeCommaText(const QStringList &items)
{
    if (items.size() == 1 && items.front().isEmpty())
        return QStringLiteral("\"\"");
    QString line;
    for (qsizetype i = 0; i < items.size(); ++i) {
        if (i > 0)
            line += kComma;
        line += needsQuotes(items[i]) ? quoted(items[i]) : items[i];
    }
    return line;
}

QStringList readCommaText(QStringView line)
{
    return LineReader(line).items();
}

}  // namespace sorvik::package
