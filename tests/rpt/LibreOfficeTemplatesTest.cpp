#include "Celvane.h"
#include "LibreOfficePeer.h"
#include "TemplateManifest.h"
#include "TemplateTestSupport.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace celvane;
using sorvik::reports::TemplateManifest;
using sorvik::reports::TemplateSheet;
using sorvik::reports::TemplateWorkbook;

namespace {

QString pdfText(const QString &pdf, int page = 0)
{
    QStringList arguments;
    if (page > 0)
        arguments << QStringLiteral("-f") << QString::number(page) << QStringLiteral("-l") << QString::number(page);
    QProcess process;
    process.start(QStringLiteral("pdftotext"), arguments << pdf << QStringLiteral("-"));
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

class LibreOfficeTemplates : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!LibreOfficePeer::available())
            GTEST_SKIP() << "LibreOffice (soffice) is not installed";
    }
    QTemporaryDir dir;
};

// The shipped workbooks, opened by another spreadsheet program: each converts, with every
// sheet on its pages and the cells' text read.
TEST_F(LibreOfficeTemplates, EveryShippedWorkbookConvertsWithItsPages)
{
    const QDir shipped(rpttest::sourceFolder() + QStringLiteral("/rpt"));
    QStringList arguments = {QStringLiteral("-env:UserInstallation=file://") + dir.filePath(QStringLiteral("profile")),
                             QStringLiteral("--headless"),
                             QStringLiteral("--convert-to"),
                             QStringLiteral("pdf"),
                             QStringLiteral("--outdir"),
                             dir.path()};
    for (const TemplateWorkbook &book : TemplateManifest::workbooks())
        arguments << shipped.filePath(book.storedFileName());
    QProcess soffice;
    soffice.start(QStringLiteral("soffice"), arguments);
    ASSERT_TRUE(soffice.waitForFinished(240000));

    for (const TemplateWorkbook &book : TemplateManifest::workbooks()) {
        const QString pdf = dir.filePath(book.fileName.chopped(4) + QStringLiteral(".pdf"));
        int pages = 0;
        for (const TemplateSheet &sheet : book.sheets)
            pages += rpttest::printedPagesPerCopy(sheet.name);
        EXPECT_EQ(LibreOfficePeer::pageCount(pdf), pages) << book.fileName.toStdString();
        const QString text = pdfText(pdf);
        for (const TemplateSheet &sheet : book.sheets)
            EXPECT_TRUE(text.contains(sheet.markers.front()))
                << book.fileName.toStdString() << ": " << sheet.markers.front().toStdString();
    }
}

TEST_F(LibreOfficeTemplates, TwoMachinesPrintTheirNotificationAndChecklistInTurn)
{
    const QString fileName = QStringLiteral("kikai.xlsx");
    QFile::copy(rpttest::sourceFolder() + QStringLiteral("/rpt/") + fileName, dir.filePath(fileName));
    Celvane engine;
    engine.FileName(dir.filePath(fileName));
    engine.Document().Begin();
    engine.Page().Open(QStringLiteral("持込機械届"), QStringLiteral("1-2"));
    for (int machine = 1; machine <= 2; ++machine) {
        if (machine > 1)
            engine.Page().NewPage(true);
        engine.Page().SetRows(1, 110);
        engine.Cell(QStringLiteral("**KKNM")).Value(QStringLiteral("機械%1").arg(machine));
    }
    engine.Page().Close();
    const QString saved = dir.filePath(QStringLiteral("machines.xlsx"));
    engine.saveAs(saved);
    const QString pdf = LibreOfficePeer::convert(saved, QStringLiteral("pdf"), dir.path());
    ASSERT_FALSE(pdf.isEmpty());
    ASSERT_EQ(LibreOfficePeer::pageCount(pdf), 4);
    EXPECT_TRUE(pdfText(pdf, 1).contains(QStringLiteral("機械1")));
    // The checklist's title, which the notification itself does not carry.
    const QString checklist = QStringLiteral("持込機械等点検表");
    EXPECT_FALSE(pdfText(pdf, 1).contains(checklist));
    EXPECT_TRUE(pdfText(pdf, 2).contains(checklist));
    EXPECT_TRUE(pdfText(pdf, 3).contains(QStringLiteral("機械2")));
    EXPECT_TRUE(pdfText(pdf, 4).contains(checklist));
}

}  // namespace
