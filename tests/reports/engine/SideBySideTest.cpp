// The same filled roster rendered by us and by LibreOffice must look alike: the same pages,
// the table lines and the words within a few millimetres of each other.
#include "Celvane.h"
#include "DocumentRenderer.h"
#include "LibreOfficePeer.h"
#include "PrintedAlike.h"
#include "TemplateFactory.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace celvane;

namespace {

TEST(SideBySide, RosterLooksAlikeInLibreOffice)
{
    if (!LibreOfficePeer::available())
        GTEST_SKIP() << "LibreOffice (soffice) is not installed";
    QTemporaryDir dir;
    const QString keep = qEnvironmentVariable("CELVANE_SIDE_BY_SIDE");
    const QString folder = keep.isEmpty() ? dir.path() : keep;
    QDir().mkpath(folder);
    const QString templatePath = QDir(folder).filePath(QStringLiteral("meibo.xlsx"));
    TemplateFactory::save(TemplateFactory::wideRoster(), templatePath);

    Celvane engine;
    engine.FileName(templatePath);
    engine.Document().Begin();
    engine.Page().Open(QStringLiteral("作業員名簿"));
    const CelvanePicture photo = CelvaneOlePicture(TemplateFactory::jpeg(90, 120));
    TemplateFactory::fillPeople(
        engine, 25,
        [&] {
            engine.Cell(QStringLiteral("**CMPNM")).Value(QStringLiteral("株式会社 試験建設　作業員名簿"));
            engine.Cell(QStringLiteral("**MKYMD")).Value(QStringLiteral("（　令和　6年　4月　1日　作成　）"));
            engine.Cell(QStringLiteral("**C1")).Drawing().AddShape(1, -6, 8, 8, {50, {}, {}, {}, {}, {}, 2});
        },
        [&](int i, int r) {
            engine.Cell(QStringLiteral("**C1"), 0, r).Value(QStringLiteral("山田%1").arg(i));
            engine.Cell(QStringLiteral("**C2"), 0, r).Value(20 + i);
            for (int c = 3; c <= 20; ++c)
                engine.Cell(QStringLiteral("**C%1").arg(c), 0, r).Value(QStringLiteral("値%1").arg(c));
            engine.Cell(QStringLiteral("**PHOTO"), 0, r).Drawing().AddPicture(photo, 1, 1, std::nullopt, 11);
            if (r == 3)
                engine.Cell(QStringLiteral("**C5"), 0, r).Format().Diagonal(0x7000000 + 10);
            if (r == 5)
                engine.Cell(QStringLiteral("**C3"), 0, r).Format().BottomLine(0x2000000 + 12);
        });
    engine.Page().Close();
    const QString workbook = QDir(folder).filePath(QStringLiteral("roster.xlsx"));
    engine.saveAs(workbook);
    const QString ours = QDir(folder).filePath(QStringLiteral("roster-celvane.pdf"));
    DocumentRenderer(engine.finishedDocument()).savePdf(ours);
    const QString theirs = LibreOfficePeer::convert(workbook, QStringLiteral("pdf"), folder);
    ASSERT_FALSE(theirs.isEmpty());

    ASSERT_EQ(LibreOfficePeer::pageCount(ours), 3);
    ExpectPrintedAlike(ours, theirs, 0.5, 0.15, 100);
}

TEST(SideBySide, CalcFormLooksAlikeInLibreOffice)
{
    if (!LibreOfficePeer::available())
        GTEST_SKIP() << "LibreOffice (soffice) is not installed";
    QTemporaryDir dir;
    const QString workbook = LibreOfficePeer::convert(QStringLiteral(CELVANE_TEST_DATA "/calc-form.fods"),
                                                      QStringLiteral("xlsx:Calc MS Excel 2007 XML"), dir.path());
    ASSERT_FALSE(workbook.isEmpty());
    Celvane engine;
    engine.FileName(workbook);
    engine.Document().Begin();
    engine.Page().Open(QStringLiteral("様式"));
    engine.Cell(QStringLiteral("**NAME")).Value(QStringLiteral("山田　太郎"));
    engine.Page().Close();
    const QString filled = dir.filePath(QStringLiteral("filled.xlsx"));
    engine.saveAs(filled);
    const QString ours = dir.filePath(QStringLiteral("ours.pdf"));
    DocumentRenderer(engine.finishedDocument()).savePdf(ours);
    const QString theirs = LibreOfficePeer::convert(filled, QStringLiteral("pdf"), dir.path());
    ASSERT_FALSE(theirs.isEmpty());
    ExpectPrintedAlike(ours, theirs, 0.12, 0.08, 5);
}

}  // namespace
