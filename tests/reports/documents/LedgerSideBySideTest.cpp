// sorvik-print's ledger of the demo site as PDF against LibreOffice's printing of the same
// ledger saved as a workbook: the same pages, lines and words within three millimetres.
#include "LibreOfficePeer.h"
#include "PreparedDatabase.h"
#include "PrintedAlike.h"

#include <QDir>
#include <QProcess>
#include <gtest/gtest.h>

TEST(LedgerSideBySideTest, SorvikPrintsTheLedgerAsLibreOfficePrintsItsWorkbook)
{
    if (!LibreOfficePeer::available())
        GTEST_SKIP() << "LibreOffice (soffice) is not installed";
    const DatabaseCopy site(PreparedDatabase::Demo);
    // CELVANE_SIDE_BY_SIDE keeps the files for a person to look at.
    const QString keep = qEnvironmentVariable("CELVANE_SIDE_BY_SIDE");
    const QString folder = keep.isEmpty() ? site.folder() : keep;
    QDir().mkpath(folder);
    for (const char *output : {"ledger.pdf", "ledger.xlsx"}) {
        QProcess tool;
        tool.start(qEnvironmentVariable("SORVIK_BINARY_DIR") + QStringLiteral("/bin/sorvik-print"),
                   {QStringLiteral("ledger"), QStringLiteral("--db"), site.path(), QStringLiteral("--project"),
                    QStringLiteral("1"), QStringLiteral("--date"), QStringLiteral("2026/06/01"),
                    QDir(folder).filePath(QLatin1String(output))});
        ASSERT_TRUE(tool.waitForFinished(120000));
        ASSERT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();
    }
    const QString ours = QDir(folder).filePath(QStringLiteral("ledger.pdf"));
    const QString theirs = LibreOfficePeer::convert(QDir(folder).filePath(QStringLiteral("ledger.xlsx")),
                                                    QStringLiteral("pdf"), QDir(folder).filePath(QStringLiteral("lo")));
    ASSERT_FALSE(theirs.isEmpty());
    // The prime contractor's two direct subcontractors: a page each.
    ASSERT_EQ(LibreOfficePeer::pageCount(ours), 2);
    ExpectPrintedAlike(ours, theirs, 0.5, 0.1, 60, 0.85);
}
