#include "MaintenanceTestSupport.h"

QStringList ProjectRows(int code, const QString &name)
{
    const QString day = QStringLiteral("'2026/04/01'");
    const QString work = QStringLiteral("'2026/05/01'");
    const QString k = QString::number(code);
    return {
        QStringLiteral("insert into KOJI (KJCD, APDT, KJNM) values (%1, %2, '%3')").arg(k, day, name),
        QStringLiteral("insert into GYOSYA (KJCD, GYOCD, APDT, CPNM) values (%1, 1, %2, '元請')").arg(k, day),
        QStringLiteral("insert into TAISEI (KJCD, GYOCD) values (%1, 1)").arg(k),
        QStringLiteral("insert into TAIKEI (KJCD, APDT, GYOCD) values (%1, %2, 1)").arg(k, day),
        QStringLiteral("insert into SAGYOIN (KJCD, GYOCD, INCD, NAME) values (%1, 1, 1, '作業員')").arg(k),
        QStringLiteral("insert into INSIKAKU (KJCD, GYOCD, INCD) values (%1, 1, 1)").arg(k),
        QStringLiteral("insert into NMCARD (KSNO, KJCD, GYOCD) values (%1, %2, 1)").arg(code * 10).arg(k),
        QStringLiteral("insert into CARRY (KJCD, GYOCD, CRCD) values (%1, 1, 1)").arg(k),
        QStringLiteral("insert into KIKAI (KJCD, GYOCD, MCCD) values (%1, 1, 1)").arg(k),
        QStringLiteral("insert into KOUGU (KJCD, GYOCD, KGCD) values (%1, 1, 1)").arg(k),
        QStringLiteral("insert into DEZURA (KJCD, GYOCD, WKDT, INCD) values (%1, 1, %2, 1)").arg(k, work),
        QStringLiteral("insert into D_CARRY (KJCD, GYOCD, WKDT, CRCD) values (%1, 1, %2, 1)").arg(k, work),
        QStringLiteral("insert into D_KIKAI (KJCD, GYOCD, WKDT, MCCD) values (%1, 1, %2, 1)").arg(k, work),
    };
}
