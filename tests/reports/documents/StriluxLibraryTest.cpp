#include "CelvanePicture.h"
#include "barcode/StriluxControl.h"
#include "barcode/StriluxLibrary.h"
#include "roster/CardBarcode.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace sorvik::documents;

TEST(StriluxLibraryTest, AMissingOrForeignLibrarySaysWhyNoControlIsMade)
{
    QString problem;
    EXPECT_EQ(StriluxLibrary::createControl(QStringLiteral("/nonexistent/libstrilux.so"), problem), nullptr);
    EXPECT_TRUE(problem.contains(QStringLiteral("/nonexistent/libstrilux.so"))) << problem.toStdString();

    QTemporaryDir dir;
    const QString broken = dir.filePath(QStringLiteral("libstrilux.so"));
    QFile file(broken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("\x7f"
               "ELF but not really a library");
    file.close();
    problem.clear();
    EXPECT_EQ(StriluxLibrary::createControl(broken, problem), nullptr);
    EXPECT_TRUE(problem.contains(broken)) << problem.toStdString();

    problem.clear();
    EXPECT_EQ(StriluxLibrary::createControl(QStringLiteral("libm.so.6"), problem), nullptr);
    EXPECT_TRUE(problem.contains(QStringLiteral("DllGetClassObject"))) << problem.toStdString();
}

TEST(StriluxLibraryTest, TheControlDrawsTheCardSymbolAndReportsARefusedValue)
{
    QString problem;
    const std::unique_ptr<StriluxControl> control
        = StriluxLibrary::createControl(StriluxLibrary::defaultPath(), problem);
    ASSERT_TRUE(control) << problem.toStdString();
    CardBarcode setUp(control.get());
    const QByteArray picture = control->enhMetaFile(CardBarcode::Symbol(QStringLiteral("005-012")));
    ASSERT_FALSE(picture.isEmpty());
    EXPECT_EQ(control->errorNumber(), 0);
    EXPECT_NEAR(celvane::CelvaneOlePicture(picture).sizeMillimetres.width(), 34.0, 0.1);

    EXPECT_TRUE(control->enhMetaFile(QStringLiteral("$#12%")).isEmpty());
    EXPECT_EQ(control->errorNumber(), 5024);
    EXPECT_EQ(control->errorMessage(), QStringLiteral("バーコードメッセージの設定に失敗しました。"));
}
