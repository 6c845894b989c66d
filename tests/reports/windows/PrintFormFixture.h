#pragma once

#include "RecordingOutput.h"
#include "SiteFixture.h"
#include "tree/ConstructionSystem.h"

#include <memory>

// The demo site's road project open as the main window opens it, on 2026/06/01, with the
// built templates beside the program: the report windows print from them and their
// documents are recorded instead of shown.
class PrintFormFixture : public DemoSiteFixture
{
protected:
    void SetUp() override;

    ConstructionSystem system{data.IBTransaction1, AppContext::Project()};
    std::shared_ptr<RecordingOutput> output = std::make_shared<RecordingOutput>();
};
