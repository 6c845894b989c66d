#include "Celvane.h"
#include "CelvaneError.h"
#include "framework/MarkerWriter.h"
#include "roster/RosterDocument.h"

#include <gtest/gtest.h>

using namespace sorvik::documents;

namespace {

QString templates()
{
    return qEnvironmentVariable("SORVIK_BINARY_DIR") + QStringLiteral("/bin/rpt/");
}

}  // namespace

TEST(MarkerWriterTest, OnlyMarkersTheManifestListsForTheOpenSheetAreWritten)
{
    celvane::Celvane engine;
    MarkerWriter writer(engine, templates(), RosterDocument::TemplateFile);
    writer.Begin();
    EXPECT_THROW(writer.Value(QStringLiteral("**NAME"), QStringLiteral("早すぎ")), celvane::CelvaneError);
    EXPECT_THROW(writer.Open(QStringLiteral("作業員票")), celvane::CelvaneError);
    writer.Open(RosterDocument::SheetName);
    writer.Value(QStringLiteral("**NAME"), QStringLiteral("丸山 翔太"));
    // On the worker card, not on the roster.
    EXPECT_THROW(writer.Value(QStringLiteral("**KYONO"), QStringLiteral("41-300017")), celvane::CelvaneError);
    EXPECT_EQ(writer.written(), QSet<QString>{QStringLiteral("**NAME")});
    EXPECT_THROW(MarkerWriter(engine, templates(), QStringLiteral("unknown.xls")), celvane::CelvaneError);
}
