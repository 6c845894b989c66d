#include "ReportDocument.h"

#include <gtest/gtest.h>

using celvane::ReportDocument;

TEST(ReportDocumentTest, MarkersAreAsterisksAndAnUpperCaseNameThatMayBeginWithADigit)
{
    for (const char *marker : {"**NAME", "**1UCPMNM", "**REM4", "**CHK_01"})
        EXPECT_TRUE(ReportDocument::isMarker(QString::fromLatin1(marker))) << marker;
    for (const char *text : {"**", "*NAME", "**name", "** NAME", "**NAME:", "NAME"})
        EXPECT_FALSE(ReportDocument::isMarker(QString::fromLatin1(text))) << text;
}
