#include "BuiltTemplates.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

void LinkBuiltTemplates(const QString &appDir)
{
    QDir().mkpath(appDir);
    ASSERT_TRUE(QFile::link(qEnvironmentVariable("SORVIK_BINARY_DIR") + QStringLiteral("/bin/rpt"),
                            appDir + QStringLiteral("rpt")));
}
