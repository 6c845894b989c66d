// Long documents are written as PDF in runs of pages side by side and joined into one file.
#include "Celvane.h"
#include "CelvaneError.h"
#include "DocumentRenderer.h"
#include "HandMadePdf.h"
#include "LibreOfficePeer.h"
#include "PdfJoiner.h"
#include "TemplateFactory.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace celvane;

namespace {

QByteArray objectText(const QByteArray &pdf, int number)
{
    const qsizetype at = pdf.indexOf("\n" + QByteArray::number(number) + " 0 obj");
    return at < 0 ? QByteArray() : pdf.mid(at + 1, pdf.indexOf("endobj", at) - at - 1);
}

QString readerErrors(const QString &pdf)
{
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {pdf});
    info.waitForFinished(30000);
    return QString::fromUtf8(info.readAllStandardError());
}

}  // namespace

TEST(PdfJoiner, RenumbersReferencesAndLeavesStringsAndStreamsAlone)
{
    const QByteArray part = HandMadePdf::onePage();
    const QByteArray joined = PdfJoiner::join({part, part, part});
    EXPECT_EQ(HandMadePdf::tableProblem(joined), QString());
    // The first part's objects keep their numbers; a later part's pages follow on.
    EXPECT_TRUE(objectText(joined, 3).contains("/Kids [\n4 0 R\n7 0 R\n10 0 R\n]"));
    EXPECT_TRUE(objectText(joined, 3).contains("/Count 3"));
    EXPECT_TRUE(objectText(joined, 7).contains("/Parent 3 0 R /Contents 8 0 R"));
    EXPECT_TRUE(objectText(joined, 8).contains("/Length 9 0 R"));
    EXPECT_EQ(joined.count("stream\n" + HandMadePdf::kStreamBytes + "\nendstream"), 3);
    EXPECT_EQ(joined.count("/Type /Catalog"), 1);
    EXPECT_TRUE(joined.contains("/Title (Kids 3 0 R \\) \\(6 0 R)"));
    EXPECT_TRUE(joined.contains("/Size 13 /Root 1 0 R /Info 2 0 R"));

    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("joined.pdf")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(joined);
    file.close();
    EXPECT_EQ(LibreOfficePeer::pageCount(file.fileName()), 3);
    EXPECT_EQ(readerErrors(file.fileName()), QString());

    EXPECT_EQ(PdfJoiner::join({part}), part) << "one part is the file";
}

TEST(PdfJoiner, RefusesWhatItCannotRead)
{
    const QByteArray good = HandMadePdf::onePage();
    QByteArray shifted = good;
    shifted.insert(good.indexOf("4 0 obj"), 'x');  // the table now points one byte short
    QByteArray unended = good;
    unended.replace("/MediaBox", "/Note (open /MediaBox");
    QByteArray packedTable = good;
    packedTable.replace("startxref\n" + good.mid(good.lastIndexOf("startxref") + 10).split('\n').value(0),
                        "startxref\n" + QByteArray::number(good.indexOf("5 0 obj")));
    QByteArray noKids = good;
    noKids.replace("/Kids [4 0 R]", "/Kidz [4 0 R]");
    QByteArray strayReference = good;
    strayReference.replace("/Contents 5 0 R", "/Contents 9 0 R");
    const QByteArray cases[] = {QByteArray(),
                                QByteArray("not a pdf at all"),
                                good.left(good.size() / 2),
                                shifted,
                                unended,
                                packedTable,
                                noKids,
                                strayReference,
                                QByteArray(good).replace("0000000000 65535 f", "zzzzzzzzzz 65535 f")};
    for (const QByteArray &bad : cases)
        EXPECT_THROW(PdfJoiner::join({good, bad}), CelvaneError) << bad.left(200).constData();
    EXPECT_THROW(PdfJoiner::join({}), CelvaneError);
}

TEST(PdfRuns, PagesWrittenInRunsPrintAsWrittenByOneWriter)
{
    QTemporaryDir dir;
    const QString templatePath = dir.filePath(QStringLiteral("meibo.xlsx"));
    TemplateFactory::save(TemplateFactory::roster(), templatePath);
    Celvane engine;
    engine.FileName(templatePath);
    engine.Document().Begin();
    engine.Page().Open(QStringLiteral("名簿"));
    // Every photo its own, and one photo on several pages: runs decode them side by side.
    const CelvanePicture shared = CelvaneOlePicture(TemplateFactory::jpeg(60, 80, Qt::darkRed));
    TemplateFactory::fillPeople(
        engine, 64, [&] { engine.Cell(QStringLiteral("**TITLE")).Value(QStringLiteral("作業員名簿（1）")); },
        [&](int i, int r) {
            engine.Cell(QStringLiteral("**NAME"), 0, r).Value(QStringLiteral("山田　太郎%1").arg(i));
            engine.Cell(QStringLiteral("**AGE"), 0, r).Value(20 + i);
            const CelvanePicture own = CelvaneOlePicture(TemplateFactory::jpeg(60, 80, Qt::GlobalColor(7 + i % 10)));
            engine.Cell(QStringLiteral("**PHOTO"), 0, r)
                .Drawing()
                .AddPicture(i % 3 ? own : shared, 1, 1, std::nullopt, 11);
        });
    engine.Page().Close();
    const DocumentRenderer renderer(engine.finishedDocument());
    ASSERT_EQ(renderer.pageCount(), 7);

    const auto write = [&](int runs) {
        const QString name = dir.filePath(QStringLiteral("runs%1.pdf").arg(runs));
        QFile file(name);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(renderer.pdf(QStringLiteral("名簿 (1)"), runs));
        return name;
    };
    const QString whole = write(1);
    for (const int runs : {3, 7}) {
        const QString joined = write(runs);
        EXPECT_EQ(readerErrors(joined), QString());
        EXPECT_EQ(LibreOfficePeer::pageCount(joined), 7);
        const std::vector<QImage> expected = LibreOfficePeer::pages(whole, 40);
        const std::vector<QImage> pages = LibreOfficePeer::pages(joined, 40);
        ASSERT_EQ(pages.size(), expected.size());
        for (size_t i = 0; i < pages.size(); ++i) {
            EXPECT_EQ(pages[i].size(), expected[i].size()) << "page " << i + 1;
            EXPECT_EQ(LibreOfficePeer::difference(pages[i], expected[i]), 0.0) << "page " << i + 1;
        }
        const auto words = LibreOfficePeer::words(joined);
        const auto expectedWords = LibreOfficePeer::words(whole);
        ASSERT_EQ(words.size(), expectedWords.size());
        for (size_t page = 0; page < words.size(); ++page) {
            ASSERT_EQ(words[page].size(), expectedWords[page].size()) << "page " << page + 1;
            for (size_t w = 0; w < words[page].size(); ++w) {
                EXPECT_EQ(words[page][w].text, expectedWords[page][w].text);
                EXPECT_EQ(words[page][w].at, expectedWords[page][w].at);
            }
        }
    }
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {write(3)});
    info.waitForFinished(30000);
    EXPECT_TRUE(QString::fromUtf8(info.readAllStandardOutput()).contains(QStringLiteral("名簿 (1)")));
}
