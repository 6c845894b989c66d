#include "SqlStatement.h"

#include "db/Query.h"
#include "db/SqlText.h"

void SetStatement(db::Query &query, const SqlStatement &sql)
{
    query.setSql(sql.text);
    for (int i = 0; i < sql.params.size(); ++i)
        query.setParam(i, sql.params[i]);
}

QVariant CodeParam(const QString &code)
{
    bool ok = false;
    const qlonglong number = DigitsOnly(code).toLongLong(&ok);
    return ok ? QVariant(number) : QVariant();
}

QVariantList CodeParams(const QString &commaList)
{
    QVariantList codes;
    for (const QString &part : commaList.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QVariant code = CodeParam(part);
        if (!code.isNull() && !codes.contains(code))
            codes << code;
    }
    return codes;
}
