#include "PrintFormFixture.h"

#include <QDir>
#include <QFile>

void PrintFormFixture::SetUp()
{
    DemoSiteFixture::SetUp();
    QDir().mkpath(appDir());
    ASSERT_TRUE(QFile::link(qEnvironmentVariable("SORVIK_BINARY_DIR") + QStringLiteral("/bin/rpt"),
                            appDir() + QStringLiteral("rpt")));
    AppContext::instance().WorkDate = QDate(2026, 6, 1);
    ASSERT_TRUE(system.LoadKoji(QStringLiteral("1")));
}
