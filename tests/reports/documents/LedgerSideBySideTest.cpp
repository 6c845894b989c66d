// sorvik-print's ledger of the demo site as PDF against LibreOffice's printing of the same
// ledger saved as a workbook: the same pages, lines and words within three millimetres.
#include "LibreOfficePeer.h"
#include "SideBySide.h"

#include <gtest/gtest.h>

TEST(LedgerSideBySideTest, SorvikPrintsTheLedgerAsLibreOfficePrintsItsWorkbook)
{
    if (!LibreOfficePeer::available())
        GTEST_SKIP() << "LibreOffice (soffice) is not installed";
    // The prime contractor's two direct subcontractors: a page each.
    ExpectSorvikPrintLikeLibreOffice({QStringLiteral("ledger"), QStringLiteral("--project"), QStringLiteral("1"),
                                      QStringLiteral("--date"), QStringLiteral("2026/06/01")},
                                     QStringLiteral("ledger"), 2, 0.95);
}
