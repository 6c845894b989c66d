#pragma once

#include "Celvane.h"
#include "DocumentPages.h"
#include "SiteFixture.h"
#include "framework/PrintSettings.h"
#include "roster/RosterChoices.h"

// The demo site with what its documents need: the built templates (rpt/ beside the
// programs) and an engine to fill.
//   contractor  tier  workers (all marked)
//   1           0     none
//   2           1     3, the first tier above 4, 5 and 6
//   6           3     2, the second with twelve qualifications
class DocumentFixture : public DemoSiteFixture
{
protected:
    void SetUp() override;

    // Project 1 on 2026/06/01, a contractor by its code, tier and tree label.
    sorvik::documents::RosterChoices choices(int gyoCode, int level, const QString &label) const;
    QString templatePath(const QString &fileName) const;
    // The finished document's pages of a sheet; `lastRow` as the document's SetRows.
    DocumentPages pages(const QString &fileName, const QString &sheetName, int lastRow);
    // `count` marked workers "作業員1"… added to a contractor after its own.
    void addWorkers(int gyoCode, int firstCode, int count);

    sorvik::documents::PrintSettings settings;
    celvane::Celvane engine;
};
