#include "TemplateCheck.h"
#include "TemplateManifest.h"
#include "TemplateTestSupport.h"
#include "WorkbookContent.h"
#include "XlsxReader.h"
#include "XlsxWriter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace celvane;
using sorvik::reports::TemplateManifest;
using sorvik::reports::TemplateWorkbook;

namespace {

QStringList storedNames()
{
    QStringList names;
    for (const TemplateWorkbook &book : TemplateManifest::workbooks())
        names << book.storedFileName();
    names.sort();
    return names;
}

QByteArray bytesOf(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The generator once into a folder of its own, shared by the tests below.
class GeneratedTemplates : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        folder = new QTemporaryDir;
        exitCode = rpttest::runGenerator({folder->path()}, &errors);
    }
    static void TearDownTestSuite() { delete folder; }
    void SetUp() override { ASSERT_EQ(exitCode, 0) << errors.toStdString(); }
    static QString path(const QString &name) { return QDir(folder->path()).filePath(name); }

    static inline QTemporaryDir *folder = nullptr;
    static inline int exitCode = -1;
    static inline QString errors;
};

TEST_F(GeneratedTemplates, TheFolderHoldsEveryWorkbookOfTheManifestAndNothingElse)
{
    EXPECT_EQ(QDir(folder->path()).entryList(QDir::Files, QDir::Name), storedNames());
}

TEST_F(GeneratedTemplates, EachSheetHoldsExactlyItsMarkersOnce)
{
    for (const TemplateWorkbook &expected : TemplateManifest::workbooks()) {
        const Workbook book = XlsxReader::read(path(expected.storedFileName()));
        ASSERT_EQ(book.sheets.size(), expected.sheets.size()) << expected.fileName.toStdString();
        for (size_t i = 0; i < book.sheets.size(); ++i) {
            const QString where = expected.fileName + u'/' + expected.sheets[i].name;
            EXPECT_EQ(book.sheets[i].name, expected.sheets[i].name);
            QStringList found = templates::TemplateCheck::markersOf(book.sheets[i]);
            QStringList wanted = expected.sheets[i].markers;
            found.sort();
            wanted.sort();
            EXPECT_EQ(found, wanted) << where.toStdString();
        }
        EXPECT_TRUE(templates::TemplateCheck::problems(book, expected).isEmpty()) << expected.fileName.toStdString();
    }
}

TEST_F(GeneratedTemplates, LabelsAndValuesUseTheWindowsFacesTheEngineMaps)
{
    const QStringList faces = {QStringLiteral("ＭＳ 明朝"), QStringLiteral("ＭＳ Ｐ明朝"),
                               QStringLiteral("ＭＳ ゴシック"), QStringLiteral("ＭＳ Ｐゴシック")};
    for (const TemplateWorkbook &expected : TemplateManifest::workbooks())
        for (const Font &font : XlsxReader::read(path(expected.storedFileName())).styles.fonts)
            EXPECT_TRUE(faces.contains(font.name))
                << expected.fileName.toStdString() << ": " << font.name.toStdString();
}

TEST_F(GeneratedTemplates, RegeneratingLeavesTheFilesAsTheyWere)
{
    std::map<QString, QByteArray> before;
    for (const QString &name : storedNames())
        before[name] = bytesOf(path(name));
    ASSERT_EQ(rpttest::runGenerator({folder->path()}), 0);
    for (const QString &name : storedNames())
        EXPECT_EQ(bytesOf(path(name)), before[name]) << name.toStdString();
    EXPECT_EQ(QDir(folder->path()).entryList(QDir::Files).size(), before.size());
}

TEST_F(GeneratedTemplates, TheCommittedTemplatesAreAFreshGeneration)
{
    const QDir committed(rpttest::sourceFolder() + QStringLiteral("/rpt"));
    EXPECT_EQ(committed.entryList({QStringLiteral("*.xlsx")}, QDir::Files, QDir::Name), storedNames());
    for (const QString &name : storedNames())
        EXPECT_TRUE(templates::sameWorkbookContent(committed.filePath(name), path(name)))
            << "rpt/" << name.toStdString() << " differs from a fresh generation: run build/bin/sorvik-templates rpt";
}

TEST_F(GeneratedTemplates, TheProgramFindsThemBesideItself)
{
    const QDir beside(qEnvironmentVariable("SORVIK_BINARY_DIR") + QStringLiteral("/bin/rpt"));
    for (const QString &name : storedNames())
        EXPECT_TRUE(QFile::exists(beside.filePath(name))
                    && templates::sameWorkbookContent(beside.filePath(name), path(name)))
            << name.toStdString();
}

TEST_F(GeneratedTemplates, TheComparisonSeesOneChangedCellOrLine)
{
    const QString original = path(QStringLiteral("sonota.xlsx"));
    Workbook book = XlsxReader::read(original);
    Worksheet &sheet = book.sheets.front();
    const QPoint cell = rpttest::markerCell(sheet, QStringLiteral("**TEIS"));
    const QString changed = QDir(folder->path()).filePath(QStringLiteral("changed.xlsx"));

    sheet.cellAt(cell.x(), cell.y()).text = QStringLiteral("**TEISX");
    XlsxWriter::write(book, changed);
    EXPECT_FALSE(templates::sameWorkbookContent(original, changed));

    book = XlsxReader::read(original);
    book.styles.borders.back().bottom.style = LineStyle::Double;
    XlsxWriter::write(book, changed);
    EXPECT_FALSE(templates::sameWorkbookContent(original, changed));
    QFile::remove(changed);
}

TEST(SorvikTemplatesTool, ExplainsItsUseAndRefusesOtherArguments)
{
    QString errors;
    EXPECT_EQ(rpttest::runGenerator({}, &errors), 2);
    EXPECT_TRUE(errors.contains(QStringLiteral("usage: sorvik-templates")));
    EXPECT_EQ(rpttest::runGenerator({QStringLiteral("--unknown")}, &errors), 2);
}

TEST(SorvikTemplatesTool, ReportsAFolderItCannotWrite)
{
    QTemporaryDir dir;
    QFile blocker(dir.filePath(QStringLiteral("file")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QString errors;
    EXPECT_EQ(rpttest::runGenerator({blocker.fileName() + QStringLiteral("/rpt")}, &errors), 1);
    EXPECT_TRUE(errors.contains(QStringLiteral("cannot create the folder"))) << errors.toStdString();
}

}  // namespace
