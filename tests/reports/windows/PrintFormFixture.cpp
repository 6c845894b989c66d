#include "PrintFormFixture.h"

#include "BuiltTemplates.h"

void PrintFormFixture::SetUp()
{
    DemoSiteFixture::SetUp();
    LinkBuiltTemplates(appDir());
    AppContext::instance().WorkDate = QDate(2026, 6, 1);
    ASSERT_TRUE(system.LoadKoji(QStringLiteral("1")));
}
