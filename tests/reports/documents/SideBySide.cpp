#include "SideBySide.h"

#include "LibreOfficePeer.h"
#include "PreparedDatabase.h"
#include "PrintedAlike.h"

#include <QDir>
#include <QProcess>
#include <gtest/gtest.h>

void ExpectSorvikPrintLikeLibreOffice(const QStringList &arguments, const QString &name, int pages, double wordShare,
                                      size_t words)
{
    const DatabaseCopy site(PreparedDatabase::Demo);
    const QString keep = qEnvironmentVariable("CELVANE_SIDE_BY_SIDE");
    const QDir folder(keep.isEmpty() ? site.folder() : keep);
    QDir().mkpath(folder.path());
    for (const QString &output : {name + QStringLiteral(".pdf"), name + QStringLiteral(".xlsx")}) {
        QProcess tool;
        tool.start(qEnvironmentVariable("SORVIK_BINARY_DIR") + QStringLiteral("/bin/sorvik-print"),
                   QStringList{arguments.value(0), QStringLiteral("--db"), site.path()} + arguments.mid(1)
                       + QStringList{folder.filePath(output)});
        ASSERT_TRUE(tool.waitForFinished(120000));
        ASSERT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();
    }
    const QString ours = folder.filePath(name + QStringLiteral(".pdf"));
    const QString theirs = LibreOfficePeer::convert(folder.filePath(name + QStringLiteral(".xlsx")),
                                                    QStringLiteral("pdf"), folder.filePath(QStringLiteral("lo")));
    ASSERT_FALSE(theirs.isEmpty());
    ASSERT_EQ(LibreOfficePeer::pageCount(ours), pages);
    ExpectPrintedAlike(ours, theirs, 0.5, 0.1, words, wordShare);
}
