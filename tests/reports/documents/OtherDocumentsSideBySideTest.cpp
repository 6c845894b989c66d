// sorvik-print's equipment notifications, lists and sheets of the demo site as PDF against
// LibreOffice's printing of the same documents saved as workbooks: the same pages, lines
// and words within three millimetres.
#include "LibreOfficePeer.h"
#include "PreparedDatabase.h"
#include "PrintedAlike.h"

#include <QDir>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

struct SideBySide
{
    const char *name;
    QStringList arguments;  // after the command and --db
    int pages;
};

void PrintTo(const SideBySide &document, std::ostream *out)
{
    *out << document.name;
}

class OtherDocumentsSideBySideTest : public ::testing::TestWithParam<SideBySide>
{
};

TEST_P(OtherDocumentsSideBySideTest, SorvikPrintsAsLibreOfficePrintsTheWorkbook)
{
    if (!LibreOfficePeer::available())
        GTEST_SKIP() << "LibreOffice (soffice) is not installed";
    const SideBySide &document = GetParam();
    const DatabaseCopy site(PreparedDatabase::Demo);
    // CELVANE_SIDE_BY_SIDE keeps the files for a person to look at.
    const QString keep = qEnvironmentVariable("CELVANE_SIDE_BY_SIDE");
    const QString folder = keep.isEmpty() ? site.folder() : keep;
    QDir().mkpath(folder);
    const QString name = QLatin1String(document.name);
    for (const char *extension : {".pdf", ".xlsx"}) {
        QProcess tool;
        tool.start(qEnvironmentVariable("SORVIK_BINARY_DIR") + QStringLiteral("/bin/sorvik-print"),
                   QStringList{name.section(u'-', 0, 0), QStringLiteral("--db"), site.path()} + document.arguments
                       + QStringList{QDir(folder).filePath(name + QLatin1String(extension))});
        ASSERT_TRUE(tool.waitForFinished(120000));
        ASSERT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();
    }
    const QString ours = QDir(folder).filePath(name + QStringLiteral(".pdf"));
    const QString theirs = LibreOfficePeer::convert(QDir(folder).filePath(name + QStringLiteral(".xlsx")),
                                                    QStringLiteral("pdf"), QDir(folder).filePath(QStringLiteral("lo")));
    ASSERT_FALSE(theirs.isEmpty());
    ASSERT_EQ(LibreOfficePeer::pageCount(ours), document.pages);
    ExpectPrintedAlike(ours, theirs, 0.5, 0.1, 10, 0.9);
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
        SideBySide{"vehicles", project(), 2}, SideBySide{"machines", project(), 4}, SideBySide{"tools", project(), 2},
        SideBySide{"qualifications", project({QStringLiteral("--contractor"), QStringLiteral("6")}), 2},
        SideBySide{"holders", project({QStringLiteral("--qualification"), QStringLiteral("玉掛け技能講習")}), 1},
        SideBySide{"safety-instruction", project({QStringLiteral("--sheet"), QStringLiteral("instruction")}), 1},
        SideBySide{"safety-meeting", project({QStringLiteral("--sheet"), QStringLiteral("meeting")}), 1},
        SideBySide{"safety-training", project({QStringLiteral("--sheet"), QStringLiteral("training")}), 1},
        SideBySide{"inspection-scaffold",
                   project({QStringLiteral("--sheet"), QStringLiteral("scaffold-daily"), QStringLiteral("--place"),
                            QStringLiteral("第2工区 橋台")}),
                   1},
        SideBySide{"inspection-scaffoldmonthly",
                   project({QStringLiteral("--sheet"), QStringLiteral("scaffold"), QStringLiteral("--place"),
                            QStringLiteral("第2工区 橋台")}),
                   1},
        SideBySide{"inspection-machinedaily",
                   project({QStringLiteral("--sheet"), QStringLiteral("machine-daily"), QStringLiteral("--machine"),
                            QStringLiteral("バックホウ"), QStringLiteral("--acceptance"), QStringLiteral("A12")}),
                   1},
        SideBySide{"inspection-machine",
                   project({QStringLiteral("--sheet"), QStringLiteral("machine"), QStringLiteral("--machine"),
                            QStringLiteral("バックホウ"), QStringLiteral("--acceptance"), QStringLiteral("A12")}),
                   1},
        SideBySide{"notice", project(), 1}),
    [](const ::testing::TestParamInfo<SideBySide> &info) {
        return QString::fromLatin1(info.param.name).replace(u'-', u'_').toStdString();
    });

}  // namespace
