#include "FieldValue.h"

#include "db/Error.h"

#include <QDate>
#include <QDateTime>

namespace {

bool isText(const QVariant &value)
{
    return value.typeId() == QMetaType::QString;
}

db::Error notValid(const QString &label, const QString &text, const QString &what)
{
    return db::Error(QStringLiteral("「%1」の「%2」は%3として正しくありません。").arg(label, text, what));
}

// Firebird counts a column's length in characters (code points), not UTF-16 units.
QVariant textValue(const db::Column &column, const QString &text, const QString &label)
{
    const qsizetype length = text.toUcs4().size();
    if (column.charLength > 0 && length > column.charLength)
        throw db::Error(QStringLiteral("「%1」は%2文字以内で入力して下さい（%3文字あります）。")
                            .arg(label)
                            .arg(column.charLength)
                            .arg(length));
    return text;
}

QVariant integerValue(const QString &label, const QVariant &value)
{
    if (!isText(value))
        return value.toLongLong();
    bool ok = false;
    const qlonglong number = value.toString().trimmed().toLongLong(&ok);
    if (!ok)
        throw notValid(label, value.toString(), QStringLiteral("整数"));
    return number;
}

QVariant decimalValue(const QString &label, const QVariant &value)
{
    if (!isText(value))
        return value.toDouble();
    bool ok = false;
    const double number = value.toString().trimmed().toDouble(&ok);
    if (!ok)
        throw notValid(label, value.toString(), QStringLiteral("数値"));
    return number;
}

QVariant dateValue(const db::Column &column, const QString &label, const QVariant &value)
{
    if (!isText(value))
        return value;
    const QDate date = QDate::fromString(value.toString().trimmed(), QStringLiteral("yyyy/MM/dd"));
    if (!date.isValid())
        throw notValid(label, value.toString(), QStringLiteral("日付"));
    if (column.kind == db::Column::Kind::Timestamp)
        return QDateTime(date, QTime(0, 0));
    return date;
}

}  // namespace

QVariant FieldValueFor(const db::Column &column, const QVariant &value, const QString &label)
{
    const QString name = label.isEmpty() ? column.name : label;
    if (value.isNull())
        return {};
    if (isText(value) && value.toString().isEmpty())
        return {};
    const bool textual = column.kind == db::Column::Kind::Text || column.kind == db::Column::Kind::TextBlob;
    if (!textual && isText(value) && value.toString().trimmed().isEmpty())
        return {};
    switch (column.kind) {
    case db::Column::Kind::Text:
    case db::Column::Kind::TextBlob:
        return textValue(column, value.toString(), name);
    case db::Column::Kind::Integer:
        return integerValue(name, value);
    case db::Column::Kind::Decimal:
    case db::Column::Kind::Float:
        return decimalValue(name, value);
    case db::Column::Kind::Date:
    case db::Column::Kind::Timestamp:
        return dateValue(column, name, value);
    case db::Column::Kind::Blob:
        return isText(value) ? QVariant(value.toString().toUtf8()) : QVariant(value.toByteArray());
    default:
        return value;
    }
}
