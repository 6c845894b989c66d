#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QVariant>

namespace db {

// One value of a result row, copied out of the row so that it outlives the cursor.
// Conversions follow the habits of the program's SQL: a null reads as the empty text,
// 0 or an empty byte array.
class Field
{
public:
    Field(QString name, QVariant value);

    const QString &name() const { return m_name; }
    const QVariant &value() const { return m_value; }
    bool isNull() const { return m_value.isNull(); }

    QString asString() const;
    int asInt() const;
    qint64 asInt64() const;
    double asDouble() const;
    QDate asDate() const;
    QByteArray asBytes() const;

private:
    QString m_name;
    QVariant m_value;
};

}  // namespace db
