#include "GyosyaUpgrade.h"

const QStringList &GyosyaUpgradeStatements()
{
    static const QStringList statements = {
        QStringLiteral("alter table gyosya add SNKYDT1 DM_DATE;"),
        QStringLiteral("alter table gyosya add SNKYDT2 DM_DATE;"),
        QStringLiteral("alter table gyosya add SNKYDT3 DM_DATE;"),
        QStringLiteral("alter table gyosya add SNKYDT4 DM_DATE;"),
        QStringLiteral("alter table gyosya add LANK1 VARCHAR(16);"),
        QStringLiteral("alter table gyosya add LANK2 VARCHAR(16);"),
        QStringLiteral("alter table gyosya add LANK3 VARCHAR(16);"),
        QStringLiteral("alter table gyosya add KTKDT DM_DATE;"),
        QStringLiteral("alter table gyosya add KTKNO VARCHAR(32);"),
        QStringLiteral("alter table gyosya add KENPONO VARCHAR(64);"),
        QStringLiteral("alter table gyosya add NENKINNO VARCHAR(64);"),
        QStringLiteral("alter table gyosya add KOYONO VARCHAR(64);"),
        QStringLiteral("alter table gyosya add UKSAL INTEGER;"),
        QStringLiteral("alter table gyosya add UKKJNY VARCHAR(100);"),
        QStringLiteral("alter table gyosya add MAEPER SMALLINT;"),
        QStringLiteral("alter table gyosya add MAEMNYPER SMALLINT;"),
        QStringLiteral("alter table gyosya add MAEPN SMALLINT;"),
        QStringLiteral("alter table gyosya add HARFMNYPER SMALLINT;"),
        QStringLiteral("alter table gyosya add HARFPN SMALLINT;"),
        QStringLiteral("alter table gyosya add CMPLMNYPER SMALLINT;"),
        QStringLiteral("alter table gyosya add CMPLPN SMALLINT;"),
        QStringLiteral("alter table gyosya add SIGNFL DM_FILE;"),
    };
    return statements;
}
