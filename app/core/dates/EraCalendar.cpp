#include "EraCalendar.h"

namespace EraCalendar {

const std::vector<Era> &eras()
{
    static const std::vector<Era> table = {
        {QStringLiteral("明治"), QDate(1868, 9, 8)},   {QStringLiteral("大正"), QDate(1912, 7, 30)},
        {QStringLiteral("昭和"), QDate(1926, 12, 25)}, {QStringLiteral("平成"), QDate(1989, 1, 8)},
        {QStringLiteral("令和"), QDate(2019, 5, 1)},
    };
    return table;
}

const Era *eraOf(const QDate &date)
{
    if (!date.isValid())
        return nullptr;
    const auto &table = eras();
    for (auto it = table.rbegin(); it != table.rend(); ++it) {
        if (date >= it->start)
            return &*it;
    }
    return nullptr;
}

int yearInEra(const QDate &date)
{
    const Era *era = eraOf(date);
    return era ? date.year() - era->start.year() + 1 : 0;
}

int westernYear(const QString &eraName, int eraYear)
{
    for (const Era &era : eras()) {
        if (era.name == eraName)
            return era.start.year() + eraYear - 1;
    }
    return 0;
}

namespace {

// Counts how often `letter` repeats at `pos`.
int runLength(const QString &pattern, qsizetype pos, QChar letter)
{
    int n = 0;
    while (pos + n < pattern.size() && pattern[pos + n] == letter)
        ++n;
    return n;
}

QString number(int value, int width)
{
    return QString::number(value).rightJustified(width, QLatin1Char('0'));
}

}  // namespace

QString format(const QDate &date, const QString &pattern)
{
    const Era *era = eraOf(date);
    const QString eraName = era ? era->name : QString();
    QString out;
    for (qsizetype i = 0; i < pattern.size();) {
        const QChar c = pattern[i];
        const int run = runLength(pattern, i, c);
        switch (c.unicode()) {
        case 'g':
            out += run >= 2 ? eraName : eraName.left(1);
            break;
        case 'e':
            out += number(yearInEra(date), run >= 2 ? 2 : 1);
            break;
        case 'y':
            out += run >= 4 ? number(date.year(), 4) : number(date.year() % 100, 2);
            break;
        case 'm':
            out += number(date.month(), run >= 2 ? 2 : 1);
            break;
        case 'd':
            out += number(date.day(), run >= 2 ? 2 : 1);
            break;
        default:
            out += QString(run, c);
            break;
        }
        i += run;
    }
    return out;
}

}  // namespace EraCalendar
