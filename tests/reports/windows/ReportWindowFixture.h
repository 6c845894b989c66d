#pragma once

#include "RecordingOutput.h"
#include "SiteFixture.h"

#include <memory>

// The demo site's road project as the main window leaves it for a report window: loaded
// with its construction system published, the work date 2026/06/01, the built templates
// in the program folder, and an output that records the documents instead of showing them.
class ReportWindowFixture : public DemoSiteFixture
{
protected:
    void SetUp() override;

    std::shared_ptr<RecordingOutput> output = std::make_shared<RecordingOutput>();
};
