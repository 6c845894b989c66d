#include "ReportWindowFixture.h"

#include "tree/ConstructionSystem.h"

#include <QDir>
#include <QFile>

void ReportWindowFixture::SetUp()
{
    DemoSiteFixture::SetUp();
    QDir().mkpath(appDir());
    ASSERT_TRUE(QFile::link(qEnvironmentVariable("SORVIK_BINARY_DIR") + QStringLiteral("/bin/rpt"),
                            appDir() + QStringLiteral("rpt")));
    AppContext::instance().WorkDate = QDate(2026, 6, 1);
    ConstructionSystem system(data.IBTransaction1, AppContext::Project());
    ASSERT_TRUE(system.LoadKoji(QStringLiteral("1")));
}
