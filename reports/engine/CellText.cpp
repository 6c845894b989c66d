#include "CellText.h"

#include <QDateTime>
#include <QLocale>
#include <QRegularExpression>
#include <cmath>

namespace celvane {

namespace {
QString builtinFormat(int id)
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
    case 9:
        return QStringLiteral("0%");
    case 10:
        return QStringLiteral("0.00%");
    case 14:
        return QStringLiteral("yyyy/m/d");
    case 20:
        return QStringLiteral("h:mm");
    case 22:
        return QStringLiteral("yyyy/m/d h:mm");
    case 49:
        return QStringLiteral("@");
    default:
        return QStringLiteral("General");
    }
}
}  // namespace

QString CellText::general(double value)
{
    if (std::abs(value) >= 1e11 || (value != 0 && std::abs(value) < 1e-9))
        return QString::number(value, 'E', 5);
    QString text
        = QString::number(value, 'f', std::max(0, 10 - int(std::floor(std::log10(std::max(1.0, std::abs(value)))))));
    if (text.contains(u'.')) {
        while (text.endsWith(u'0'))
            text.chop(1);
        if (text.endsWith(u'.'))
            text.chop(1);
    }
    return text == QLatin1String("-0") ? QStringLiteral("0") : text;
}

QString CellText::date(double serial, QString code)
{
    const QDateTime moment
        = QDateTime(QDate(1899, 12, 30), QTime(0, 0)).addMSecs(qint64(std::llround(serial * 86400000.0)));
    code.replace(QRegularExpression(QStringLiteral("\\[[^\\]]*\\]")), QString());
    code.remove(u'\\').remove(u'"');
    // Minutes follow hours; every other m is a month.
    code.replace(QRegularExpression(QStringLiteral("(h+[^a-z]*)mm")), QStringLiteral("\\1__"));
    code.replace(u'm', u'M').replace(QStringLiteral("__"), QStringLiteral("mm"));
    return QLocale::c().toString(moment, code);
}

QString CellText::formatNumber(double value, const QString &formatCode)
{
    QString code = formatCode.section(u';', value < 0 ? 1 : 0, value < 0 ? 1 : 0);
    if (code.isEmpty())
        code = formatCode.section(u';', 0, 0);
    if (code.isEmpty() || code.compare(QLatin1String("General"), Qt::CaseInsensitive) == 0
        || code == QLatin1String("@"))
        return general(value);
    const QString bare = QString(code).remove(QRegularExpression(QStringLiteral("\"[^\"]*\"|\\[[^\\]]*\\]")));
    if (bare.contains(QRegularExpression(QStringLiteral("[ymdhs]"), QRegularExpression::CaseInsensitiveOption))
        && !bare.contains(u'0') && !bare.contains(u'#'))
        return date(value, code);
    // Digits with optional grouping, decimals and percent; quoted text is kept around them.
    const qsizetype firstDigit = code.indexOf(QRegularExpression(QStringLiteral("[0#?]")));
    const qsizetype lastDigit = code.lastIndexOf(QRegularExpression(QStringLiteral("[0#?%]")));
    if (firstDigit < 0)
        return QString(code).remove(u'"');
    const QString pattern = code.mid(firstDigit, lastDigit - firstDigit + 1);
    const bool percent = pattern.contains(u'%');
    const bool grouping = pattern.contains(u',');
    const qsizetype point = pattern.indexOf(u'.');
    const int decimals = point < 0 ? 0 : int(pattern.mid(point + 1).count(QRegularExpression(QStringLiteral("[0#?]"))));
    double shown = std::abs(value) * (percent ? 100.0 : 1.0);
    QString digits = QString::number(shown, 'f', decimals);
    if (grouping) {
        const qsizetype dot = digits.indexOf(u'.');
        for (qsizetype at = (dot < 0 ? digits.size() : dot) - 3; at > 0; at -= 3)
            digits.insert(at, u',');
    }
    if (percent)
        digits += u'%';
    QString prefix = code.left(firstDigit);
    QString suffix = code.mid(lastDigit + 1);
    prefix.remove(u'"').remove(u'\\');
    suffix.remove(u'"').remove(u'\\');
    const bool ownNegative = formatCode.contains(u';');
    return (value < 0 && !ownNegative ? QStringLiteral("-") : QString()) + prefix + digits + suffix;
}

QString CellText::display(const Cell &cell, int numberFormatId, const QString &formatCode)
{
    switch (cell.type) {
    case Cell::Type::Empty:
        return {};
    case Cell::Type::Text:
    case Cell::Type::Error:
        return cell.text;
    case Cell::Type::Boolean:
        return cell.number != 0 ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
    case Cell::Type::Number:
        break;
    }
    return formatNumber(cell.number, formatCode.isEmpty() ? builtinFormat(numberFormatId) : formatCode);
}

}  // namespace celvane
