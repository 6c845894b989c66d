#include "RosterHeader.h"

#include "RosterChoices.h"
#include "framework/DocumentValues.h"
#include "framework/MarkerWriter.h"
#include "framework/PrintSettings.h"
#include "program/DataModule1.h"

namespace sorvik::documents {

void WriteRosterHeader(MarkerWriter &writer, TDataModule1 &data, const PrintSettings &settings,
                       const RosterChoices &choices)
{
    writer.Value(QStringLiteral("**MKYMD"),
                 DocumentValues::CreationDate(choices.date, QStringLiteral("（　gg　e年　m月　d日　作成　）")));
    writer.Value(QStringLiteral("**JIGYONM"), DocumentValues::SiteOffice(data, choices.kojiCode, choices.date));
    const QString manager = DocumentValues::SiteManager(data, choices.kojiCode, choices.date);
    if (!manager.isEmpty())
        writer.Value(QStringLiteral("**SHOTYONM"), manager);
    if (choices.level > 1)
        writer.Value(QStringLiteral("**1UCPMNM"), data.GetFirstTierName(choices.kojiCode, choices.gyoCode));
    writer.Value(QStringLiteral("**UNUM"),
                 choices.level == 0 ? QStringLiteral("(元請)") : QStringLiteral("(%1 次)").arg(choices.level));
    writer.Value(QStringLiteral("**CMPNM"), choices.contractorLabel);
    for (int n = 0; n < 4; ++n)
        writer.Value(QStringLiteral("**REM%1").arg(n + 1), settings.remarks.value(n));
}

}  // namespace sorvik::documents
