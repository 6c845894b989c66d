// sorvik-print's equipment notifications, lists and sheets of the demo site as PDF against
// LibreOffice's printing of the same documents saved as workbooks: the same pages, lines
// and words within three millimetres.
#include "LibreOfficePeer.h"
#include "SideBySide.h"

#include <gtest/gtest.h>

namespace {

struct PrintedDocument
{
    const char *name;
    QStringList arguments;  // after the command and --db
    int pages;
};

void PrintTo(const PrintedDocument &document, std::ostream *out)
{
    *out << document.name;
}

class OtherDocumentsSideBySideTest : public ::testing::TestWithParam<PrintedDocument>
{
};

TEST_P(OtherDocumentsSideBySideTest, SorvikPrintsAsLibreOfficePrintsTheWorkbook)
{
    if (!LibreOfficePeer::available())
        GTEST_SKIP() << "LibreOffice (soffice) is not installed";
    const PrintedDocument &document = GetParam();
    const QString name = QLatin1String(document.name);
    const QString command = name.startsWith(QStringLiteral("construction")) ? name : name.section(u'-', 0, 0);
    ExpectSorvikPrintLikeLibreOffice(QStringList{command} + document.arguments, name, document.pages, 0.9, 20);
}

QStringList project(QStringList more = {})
{
    return QStringList{QStringLiteral("--project"), QStringLiteral("1"), QStringLiteral("--date"),
                       QStringLiteral("2026/06/01")}
    + more;
}

INSTANTIATE_TEST_SUITE_P(
    DemoSite, OtherDocumentsSideBySideTest,
    ::testing::Values(
        PrintedDocument{"vehicles", project(), 2}, PrintedDocument{"machines", project(), 4},
        PrintedDocument{"tools", project(), 2},
        PrintedDocument{"qualifications", project({QStringLiteral("--contractor"), QStringLiteral("6")}), 2},
        PrintedDocument{"holders", project({QStringLiteral("--qualification"), QStringLiteral("玉掛け技能講習")}), 1},
        PrintedDocument{"safety-instruction", project({QStringLiteral("--sheet"), QStringLiteral("instruction")}), 1},
        PrintedDocument{"safety-meeting", project({QStringLiteral("--sheet"), QStringLiteral("meeting")}), 1},
        PrintedDocument{"safety-training", project({QStringLiteral("--sheet"), QStringLiteral("training")}), 1},
        PrintedDocument{"inspection-scaffold",
                        project({QStringLiteral("--sheet"), QStringLiteral("scaffold-daily"), QStringLiteral("--place"),
                                 QStringLiteral("第2工区 橋台")}),
                        1},
        PrintedDocument{"inspection-scaffoldmonthly",
                        project({QStringLiteral("--sheet"), QStringLiteral("scaffold"), QStringLiteral("--place"),
                                 QStringLiteral("第2工区 橋台")}),
                        1},
        PrintedDocument{
            "inspection-machinedaily",
            project({QStringLiteral("--sheet"), QStringLiteral("machine-daily"), QStringLiteral("--machine"),
                     QStringLiteral("バックホウ"), QStringLiteral("--acceptance"), QStringLiteral("A12")}),
            1},
        PrintedDocument{"inspection-machine",
                        project({QStringLiteral("--sheet"), QStringLiteral("machine"), QStringLiteral("--machine"),
                                 QStringLiteral("バックホウ"), QStringLiteral("--acceptance"), QStringLiteral("A12")}),
                        1},
        PrintedDocument{"construction-notice", project(), 1}),
    [](const ::testing::TestParamInfo<PrintedDocument> &info) {
        return QString::fromLatin1(info.param.name).replace(u'-', u'_').toStdString();
    });

}  // namespace
