#include "DocumentFixture.h"

#include <QDir>

using namespace sorvik::documents;

void DocumentFixture::SetUp()
{
    DemoSiteFixture::SetUp();
    settings = PrintSettings::read(appDir(), ini);
    settings.templateFolder = qEnvironmentVariable("SORVIK_BINARY_DIR") + QStringLiteral("/bin/rpt/");
}

RosterChoices DocumentFixture::choices(int gyoCode, int level, const QString &label) const
{
    RosterChoices choices;
    choices.kojiCode = QStringLiteral("1");
    choices.gyoCode = QString::number(gyoCode);
    choices.contractorLabel = label;
    choices.level = level;
    choices.date = QDate(2026, 6, 1);
    return choices;
}

QString DocumentFixture::templatePath(const QString &fileName) const
{
    return settings.templatePath(fileName + u'x');
}

DocumentPages DocumentFixture::pages(const QString &fileName, const QString &sheetName, int lastRow)
{
    return DocumentPages(templatePath(fileName), engine.finishedDocument(), sheetName, lastRow);
}

void DocumentFixture::addWorkers(int gyoCode, int firstCode, int count)
{
    QStringList statements;
    for (int n = 0; n < count; ++n)
        statements << QStringLiteral("Insert into SAGYOIN (KJCD, GYOCD, INCD, ODRNO, NAME, FURI, SEL)"
                                     " values (1, %1, %2, %2, '作業員%3', 'さぎょういん%3', 1)")
                          .arg(gyoCode)
                          .arg(firstCode + n)
                          .arg(n + 1);
    execute(statements);
}
