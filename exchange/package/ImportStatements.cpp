#include "ImportStatements.h"

#include "db/SqlText.h"
#include "SqlValue.h"

namespace sorvik::package {

QString insertSql(const QString &table, const QStringList &columns, const QStringList &letters,
                  const QStringList &values)
{
    QStringList literals;
    literals.reserve(values.size());
    for (qsizetype i = 0; i < values.size(); ++i)
        literals << sqlValue(letters.value(i), values[i]);
    return QStringLiteral("Insert into ") + table + QLatin1Char('(') + columns.join(QLatin1Char(','))
        + QStringLiteral(") values(") + literals.join(QLatin1Char(',')) + QLatin1Char(')');
}

QString updateSql(const QString &table, const QStringList &columns, const QStringList &letters,
                  const QStringList &values, const QStringList &keyColumns, const QString &condition)
{
    QStringList assignments;
    for (qsizetype i = 0; i < columns.size(); ++i) {
        if (!keyColumns.contains(columns[i]))
            assignments << columns[i] + QLatin1Char('=') + sqlValue(letters.value(i), values.value(i));
    }
    if (assignments.isEmpty())
        return {};
    return QStringLiteral("Update ") + table + QStringLiteral(" set ") + assignments.join(QLatin1Char(','))
        + QStringLiteral(" where ") + condition;
}

QString workerKeyCondition(const QString &kojiCode, const QString &gyoCode, const QString &workerCode)
{
    return QStringLiteral(" KJCD=") + SqlIntOrNull(kojiCode) + QStringLiteral(" and GYOCD=") + SqlIntOrNull(gyoCode)
        + QStringLiteral(" and INCD=") + SqlIntOrNull(workerCode);
}

QString workerByNameSql(const QString &kojiCode, const QString &gyoCode, const QString &name)
{
    return QStringLiteral("Select KJCD,GYOCD,INCD from SAGYOIN where  KJCD=") + SqlIntOrNull(kojiCode)
        + QStringLiteral(" and GYOCD=") + SqlIntOrNull(gyoCode) + QStringLiteral(" and NAME=") + SqlStrOrNull(name);
}

QString workerByNameAndBirthSql(const QString &kojiCode, const QString &gyoCode, const QString &name,
                                const QString &birthDate)
{
    return workerByNameSql(kojiCode, gyoCode, name) + QStringLiteral(" and BNDT=") + SqlStrOrNull(birthDate);
}

QString staffByNameSql(const QString &name, const QString &qualification)
{
    return QStringLiteral("Select SHCD from SHOKU  where NAME=") + SqlStrOrNull(name) + QStringLiteral(" and SNSK")
        + (qualification.isEmpty() ? QStringLiteral(" IS NULL") : QStringLiteral(" = ") + SqlStrOrNull(qualification));
}

QString namesByAbbreviationSql(const QString &abbreviation)
{
    return QStringLiteral("Select EDCD from EDUC  where PRNM=") + SqlStrOrNull(abbreviation);
}

QString deleteQualificationsSql(const QString &kojiCode, const QString &gyoCode, const QString &workerCode)
{
    return QStringLiteral("Delete from INSIKAKU where ") + workerKeyCondition(kojiCode, gyoCode, workerCode);
}

}  // namespace sorvik::package
