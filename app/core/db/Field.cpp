#include "Field.h"

#include <QDateTime>
#include <QTime>

namespace db {

Field::Field(QString name, QVariant value)
    : m_name(std::move(name))
    , m_value(std::move(value))
{
}

QString Field::asString() const
{
    if (m_value.isNull())
        return {};
    switch (m_value.typeId()) {
    case QMetaType::QByteArray:
        return QString::fromUtf8(m_value.toByteArray());
    case QMetaType::QDate:
        return m_value.toDate().toString(QStringLiteral("yyyy/MM/dd"));
    case QMetaType::QDateTime:
        return m_value.toDateTime().toString(QStringLiteral("yyyy/MM/dd hh:mm:ss"));
    case QMetaType::Bool:
        return m_value.toBool() ? QStringLiteral("1") : QStringLiteral("0");
    default:
        return m_value.toString();
    }
}

int Field::asInt() const
{
    return int(asInt64());
}

qint64 Field::asInt64() const
{
    if (m_value.typeId() == QMetaType::QString)
        return m_value.toString().trimmed().toLongLong();
    if (m_value.typeId() == QMetaType::Double)
        return qRound64(m_value.toDouble());
    return m_value.toLongLong();
}

double Field::asDouble() const
{
    if (m_value.typeId() == QMetaType::QString)
        return m_value.toString().trimmed().toDouble();
    return m_value.toDouble();
}

QDate Field::asDate() const
{
    if (m_value.typeId() == QMetaType::QString)
        return QDate::fromString(m_value.toString().trimmed(), QStringLiteral("yyyy/MM/dd"));
    if (m_value.typeId() == QMetaType::QDateTime)
        return m_value.toDateTime().date();
    return m_value.toDate();
}

QByteArray Field::asBytes() const
{
    if (m_value.typeId() == QMetaType::QString)
        return m_value.toString().toUtf8();
    return m_value.toByteArray();
}

}  // namespace db
