#include "DemoRowWriter.h"

#include "db/SqlText.h"
#include "db/Query.h"

void DemoRowWriter::insert(const char *table, Texts texts, Numbers numbers)
{
    QStringList columns;
    QStringList values;
    for (const auto &[column, value] : numbers) {
        columns << QLatin1String(column);
        values << QString::number(value);
    }
    for (const auto &[column, value] : texts) {
        columns << QLatin1String(column);
        values << SqlStrOrNull(value);
    }
    db::Query query(m_transaction);
    query.setSql(QStringLiteral("Insert into %1 (%2) values(%3)")
                     .arg(QLatin1String(table), columns.join(QLatin1Char(',')), values.join(QLatin1Char(','))));
    query.exec();
}

void DemoRowWriter::update(const char *table, const QString &condition, const QStringList &columns,
                           const QString &value)
{
    QStringList assignments;
    for (const QString &column : columns)
        assignments << column + QStringLiteral(" = ") + value;
    updateRows(table, assignments, condition);
}

void DemoRowWriter::update(const char *table, Texts texts, Numbers numbers, const QString &where)
{
    QStringList assignments;
    for (const auto &[column, value] : numbers)
        assignments << QLatin1String(column) + QStringLiteral(" = ") + QString::number(value);
    for (const auto &[column, value] : texts)
        assignments << QLatin1String(column) + QStringLiteral(" = ") + SqlStrOrNull(value);
    updateRows(table, assignments, where);
}

void DemoRowWriter::updateRows(const char *table, const QStringList &assignments, const QString &where)
{
    db::Query query(m_transaction);
    query.setSql(QStringLiteral("Update %1 set %2 where %3")
                     .arg(QLatin1String(table), assignments.join(QLatin1Char(',')), where));
    query.exec();
}
