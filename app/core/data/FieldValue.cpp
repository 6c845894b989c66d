#include "FieldValue.h"

#include "db/Error.h"

#include <QDate>
#include <QDateTime>

namespace {

bool isText(const QVariant &value)
{
    return value.typeId() == QMetaType::QString;
}

db::Error notValid(const db::Column &column, const QString &text, const QString &what)
{
    return db::Error(QStringLiteral("'%1' は%2の%3として正しくありません。").arg(text, column.name, what));
}

QVariant integerValue(const db::Column &column, const QVariant &value)
{
    if (!isText(value))
        return value.toLongLong();
    bool ok = false;
    const qlonglong number = value.toString().trimmed().toLongLong(&ok);
    if (!ok)
        throw notValid(column, value.toString(), QStringLiteral("整数"));
    return number;
}

QVariant decimalValue(const db::Column &column, const QVariant &value)
{
    if (!isText(value))
        return value.toDouble();
    bool ok = false;
    const double number = value.toString().trimmed().toDouble(&ok);
    if (!ok)
        throw notValid(column, value.toString(), QStringLiteral("数値"));
    return number;
}

QVariant dateValue(const db::Column &column, const QVariant &value)
{
    if (!isText(value))
        return value;
    const QDate date = QDate::fromString(value.toString().trimmed(), QStringLiteral("yyyy/MM/dd"));
    if (!date.isValid())
        throw notValid(column, value.toString(), QStringLiteral("日付"));
    if (column.kind == db::Column::Kind::Timestamp)
        return QDateTime(date, QTime(0, 0));
    return date;
}

}  // namespace

QVariant FieldValueFor(const db::Column &column, const QVariant &value)
{
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
        return value.toString();
    case db::Column::Kind::Integer:
        return integerValue(column, value);
    case db::Column::Kind::Decimal:
    case db::Column::Kind::Float:
        return decimalValue(column, value);
    case db::Column::Kind::Date:
    case db::Column::Kind::Timestamp:
        return dateValue(column, value);
    case db::Column::Kind::Blob:
        return isText(value) ? QVariant(value.toString().toUtf8()) : QVariant(value.toByteArray());
    default:
        return value;
    }
}
