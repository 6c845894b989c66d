#include "LibreOfficePeer.h"
#include "TemplateFactory.h"
#include "XlsxReader.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace celvane;

namespace {

class SorvikReportTool : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // Test programs live in build/tests, tools in build/bin.
        const QString binary = qEnvironmentVariable("SORVIK_BINARY_DIR");
        tool = binary.isEmpty() ? QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath().section(u'/', 0, -3)
                + QStringLiteral("/bin/sorvik-report")
                                : binary + QStringLiteral("/bin/sorvik-report");
        if (!QFile::exists(tool))
            GTEST_SKIP() << "sorvik-report is not built";
        TemplateFactory::save(TemplateFactory::roster(), dir.filePath(QStringLiteral("roster.xlsx")));
    }
    int run(const QByteArray &json, const QStringList &outputs)
    {
        QFile script(dir.filePath(QStringLiteral("doc.json")));
        script.open(QIODevice::WriteOnly);
        script.write(json);
        script.close();
        QProcess process;
        process.start(tool, QStringList{script.fileName()} + outputs);
        process.waitForFinished(60000);
        errors = QString::fromUtf8(process.readAllStandardError());
        return process.exitCode();
    }
    QTemporaryDir dir;
    QString tool;
    QString errors;
};

TEST_F(SorvikReportTool, WritesTheWorkbookAndThePdf)
{
    const QString xlsx = dir.filePath(QStringLiteral("out.xlsx"));
    const QString pdf = dir.filePath(QStringLiteral("out.pdf"));
    ASSERT_EQ(run(R"({"template": "roster.xls", "sheet": "名簿", "calls": [
        {"call": "Value", "marker": "**NAME", "value": "山田"},
        {"call": "NewPage"}, {"call": "Value", "marker": "**NAME", "value": "次"}]})",
                  {xlsx, pdf}),
              0)
        << errors.toStdString();
    EXPECT_EQ(XlsxReader::read(xlsx).sheets[0].findCell(2, 14)->text, QStringLiteral("次"));
    EXPECT_EQ(LibreOfficePeer::pageCount(pdf), 2);
}

TEST_F(SorvikReportTool, TellsWhatWentWrong)
{
    EXPECT_EQ(
        run(R"({"template": "roster.xlsx", "sheet": "名簿", "calls": [{"call": "Value", "marker": "**NONE", "value": 1}]})",
            {dir.filePath(QStringLiteral("x.xlsx"))}),
        1);
    EXPECT_TRUE(errors.contains(QStringLiteral("**NONE"))) << errors.toStdString();
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("x.xlsx"))));
    EXPECT_EQ(run("{}", {}), 2) << "no output named";
}

}  // namespace
