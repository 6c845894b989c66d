#include "PickerSql.h"

namespace PickerSql {

namespace {

// "?,?,?" for `count` values.
QString marks(qsizetype count)
{
    QStringList marks;
    for (qsizetype i = 0; i < count; ++i)
        marks << QStringLiteral("?");
    return marks.join(QLatin1Char(','));
}

}  // namespace

SqlStatement ProjectList(const QString &fromDate, const QString &toDate)
{
    SqlStatement sql{QStringLiteral("Select DISTINCT kjcd,kjnm,odnm,stdt,fndt from KOJI"), {}};
    QStringList conditions;
    if (!fromDate.isEmpty()) {
        conditions << QStringLiteral("stdt >= ?");
        sql.params << fromDate;
    }
    if (!toDate.isEmpty()) {
        conditions << QStringLiteral("fndt >= ?");
        sql.params << toDate;
    }
    if (!conditions.isEmpty())
        sql.text += QStringLiteral(" where ") + conditions.join(QStringLiteral(" and "));
    return sql;
}

SqlStatement ContractorList(const QString &kojiCode, const QString &leaveOut, bool leaveOutPlaced)
{
    // The engine takes at most 1 500 values in one list; longer lists go in parts.
    constexpr qsizetype ListLimit = 1000;
    SqlStatement sql{QStringLiteral("Select MAX(KJCD) AS KJCD ,GYOCD,MAX(CPNM) AS CPNM,MAX(KJNM) AS KJNM ,MIN(STDT)"
                                    " AS STDT ,MAX(FNDT) AS FNDT from GYOSYA G where KJCD = ?"),
                     {CodeParam(kojiCode)}};
    const QVariantList left = CodeParams(leaveOut);
    for (qsizetype start = 0; start < left.size(); start += ListLimit) {
        const QVariantList part = left.mid(start, ListLimit);
        sql.text += QStringLiteral(" and GYOCD not in(") + marks(part.size()) + QStringLiteral(")");
        sql.params << part;
    }
    if (leaveOutPlaced)
        sql.text
            += QStringLiteral(" and not exists (select 1 from TAISEI T where T.KJCD = G.KJCD and T.GYOCD = G.GYOCD)");
    sql.text += QStringLiteral(" Group by GYOCD");
    return sql;
}

SqlStatement WorkerQualificationList(const QString &kojiCode, const QString &gyoCode, const QString &kinds)
{
    const QVariantList kindValues = CodeParams(kinds);
    // An empty kinds list matches no qualification, as "IN( )" would have if it ran.
    const QString kindCondition = kindValues.isEmpty()
        ? QStringLiteral("1 = 0")
        : QStringLiteral("I.KBN IN( ") + marks(kindValues.size()) + QStringLiteral(" )");
    SqlStatement sql{
        QStringLiteral("select S.NAME,S.BNDT,S.ADRS,I.SKNM,I.SKNO,I.SKDT,I.YOBIS1 from SAGYOIN S left outer "
                       "join INSIKAKU I on S.KJCD = I.KJCD and S.GYOCD = I.GYOCD and S.INCD = I.INCD and ")
            + kindCondition + QStringLiteral(" where S.KJCD = ? and S.GYOCD = ?"),
        kindValues};
    sql.params << CodeParam(kojiCode) << CodeParam(gyoCode);
    return sql;
}

SqlStatement StaffList()
{
    return {QStringLiteral("select *\nfrom shoku\norder by bndt"), {}};
}

SqlStatement NameList(int kind)
{
    return {QStringLiteral("Select * from EDUC where KBN = ? order by ODRNO"), {kind}};
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
