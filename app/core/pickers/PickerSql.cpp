#include "PickerSql.h"

#include "db/SqlText.h"

namespace PickerSql {

QString ProjectList(const QString &fromDate, const QString &toDate)
{
    QString sql = QStringLiteral("Select DISTINCT kjcd,kjnm,odnm,stdt,fndt from KOJI");
    QStringList conditions;
    if (!fromDate.isEmpty())
        conditions << QStringLiteral("stdt >= ") + SqlQuote(fromDate);
    if (!toDate.isEmpty())
        conditions << QStringLiteral("fndt >= ") + SqlQuote(toDate);
    if (!conditions.isEmpty())
        sql += QStringLiteral(" where ") + conditions.join(QStringLiteral(" and "));
    return sql;
}

QString CodeList(const QString &codes)
{
    QStringList kept;
    for (const QString &code : codes.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QString number = SqlIntOrNull(code.trimmed());
        if (number != QLatin1String("NULL"))
            kept << number;
    }
    return kept.join(QLatin1Char(','));
}

QString ContractorList(const QString &kojiCode, const QString &leaveOut)
{
    QString sql
        = QStringLiteral("Select MAX(KJCD) AS KJCD ,GYOCD,MAX(CPNM) AS CPNM,MAX(KJNM) AS KJNM ,MIN(STDT) AS STDT"
                         " ,MAX(FNDT) AS FNDT from GYOSYA where KJCD = ")
        + SqlIntOrNull(kojiCode);
    const QString left = CodeList(leaveOut);
    if (!left.isEmpty())
        sql += QStringLiteral(" and GYOCD not in(") + left + QStringLiteral(")");
    return sql + QStringLiteral(" Group by GYOCD");
}

QString WorkerQualificationList(const QString &kojiCode, const QString &gyoCode, const QString &kinds)
{
    return QStringLiteral("select S.NAME,S.BNDT,S.ADRS,I.SKNM,I.SKNO,I.SKDT,I.YOBIS1 from SAGYOIN S left outer join "
                          "INSIKAKU I on S.KJCD = I.KJCD and S.GYOCD = I.GYOCD and S.INCD = I.INCD and I.KBN IN( ")
        + CodeList(kinds) + QStringLiteral(" )") + QStringLiteral(" where S.KJCD = ") + SqlIntOrNull(kojiCode)
        + QStringLiteral(" and S.GYOCD = ") + SqlIntOrNull(gyoCode);
}

QString StaffList()
{
    return QStringLiteral("select *\nfrom shoku\norder by bndt");
}

QString NameList(int kind)
{
    return QStringLiteral("Select * from EDUC where KBN = %1 order by ODRNO").arg(kind);
}

QString NameEntry(const QString &abbreviation, const QString &name)
{
    return abbreviation.leftJustified(9, QLatin1Char(' ')) + name;
}

QString NameResult(int kind, const QString &entry, const QString &abbreviation)
{
    return kind == 4 || kind == 5 ? abbreviation : entry;
}

QString JoinedQualifications(const QStringList &names, const QStringList &qualifications, const QString &name)
{
    QStringList joined;
    for (int i = 0; i < names.size() && i < qualifications.size(); ++i) {
        if (names.at(i) == name)
            joined << qualifications.at(i);
    }
    return joined.join(QLatin1Char(' '));
}

}  // namespace PickerSql
