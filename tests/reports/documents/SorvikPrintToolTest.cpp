#include "PreparedDatabase.h"
#include "XlsxReader.h"

#include <QProcess>
#include <gtest/gtest.h>

namespace {

// sorvik-print run as a user runs it, on a copy of the demo site.
class SorvikPrintToolTest : public ::testing::Test
{
protected:
    int run(const QStringList &arguments)
    {
        QProcess process;
        process.start(qEnvironmentVariable("SORVIK_BINARY_DIR") + QStringLiteral("/bin/sorvik-print"), arguments);
        process.waitForFinished(120000);
        out = QString::fromUtf8(process.readAllStandardOutput());
        errors = QString::fromUtf8(process.readAllStandardError())
                     .split(u'\n', Qt::SkipEmptyParts)
                     .filter(QRegularExpression(QStringLiteral("^sorvik-print|^usage|^ ")));
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }
    QString output(const QString &name) const { return site.folder() + u'/' + name; }
    // A ledger document of the road project on 2026/06/01 with further options.
    QStringList ledger(const QString &document, const QStringList &options, const QString &file)
    {
        return QStringList{document,
                           QStringLiteral("--db"),
                           site.path(),
                           QStringLiteral("--project"),
                           QStringLiteral("1"),
                           QStringLiteral("--date"),
                           QStringLiteral("2026/06/01")}
        + options + QStringList{output(file)};
    }
    // Every text of a saved workbook's first sheet.
    QStringList texts(const QString &file) const
    {
        const celvane::Workbook book = celvane::XlsxReader::read(output(file));
        QStringList found;
        if (!book.sheets.empty())
            for (const auto &[number, row] : book.sheets[0].rows)
                for (const auto &[column, cell] : row.cells)
                    found << cell.text;
        return found;
    }
    QStringList roster(const QString &contractor, const QString &file)
    {
        return {QStringLiteral("roster"),
                QStringLiteral("--db"),
                site.path(),
                QStringLiteral("--project"),
                QStringLiteral("1"),
                QStringLiteral("--contractor"),
                contractor,
                QStringLiteral("--date"),
                QStringLiteral("2026/06/01"),
                output(file)};
    }

    DatabaseCopy site{PreparedDatabase::Demo};
    QString out;
    QStringList errors;
};

TEST_F(SorvikPrintToolTest, ListsTheDocumentsItMakes)
{
    ASSERT_EQ(run({QStringLiteral("--list")}), 0);
    const QStringList lines = out.split(u'\n', Qt::SkipEmptyParts);
    QStringList names;
    for (const QString &line : lines)
        names << line.section(u'\t', 0, 0);
    EXPECT_EQ(names,
              QString("cards,chart,construction-notice,holders,inspection,ledger,machines,notice,qualifications,"
                      "regional,roster,safety,tools,vehicles")
                  .split(','));
}

TEST_F(SorvikPrintToolTest, WritesTheNewestChartOrTheOneAskedFor)
{
    const QStringList chart{QStringLiteral("chart"), QStringLiteral("--db"), site.path(), QStringLiteral("--project"),
                            QStringLiteral("1")};
    ASSERT_EQ(run(chart + QStringList{output(QStringLiteral("chart.xlsx"))}), 0) << errors.join(u'\n').toStdString();
    const celvane::Workbook book = celvane::XlsxReader::read(output(QStringLiteral("chart.xlsx")));
    ASSERT_EQ(book.sheets.size(), 1u);
    EXPECT_EQ(book.sheets[0].name, QStringLiteral("技術者体系図"));
    QStringList names;
    for (const auto &[number, row] : book.sheets[0].rows)
        for (const auto &[column, cell] : row.cells)
            if (cell.text.endsWith(QStringLiteral("株式会社千歳鉄筋")))
                names << cell.text;
    EXPECT_EQ(names.size(), 1);

    EXPECT_EQ(run(chart
                  + QStringList{QStringLiteral("--version"), QStringLiteral("2026/05/01"),
                                output(QStringLiteral("none.pdf"))}),
              1);
    EXPECT_EQ(errors,
              QStringList{QStringLiteral("sorvik-print: no chart of 2026/05/01; saved: 2026/10/01, 2026/04/01")});
    EXPECT_EQ(
        run(chart + QStringList{QStringLiteral("--lines"), QStringLiteral("maybe"), output(QStringLiteral("a.pdf"))}),
        2);
    ASSERT_EQ(run(chart
                  + QStringList{QStringLiteral("--version"), QStringLiteral("2026/04/01"), QStringLiteral("--lines"),
                                QStringLiteral("no"), output(QStringLiteral("spring.pdf"))}),
              0);
}

TEST_F(SorvikPrintToolTest, WritesTheRosterAsWorkbookAndAsPdf)
{
    ASSERT_EQ(run(roster(QStringLiteral("6"), QStringLiteral("roster.xlsx"))), 0) << errors.join(u'\n').toStdString();
    EXPECT_TRUE(errors.isEmpty()) << errors.join(u'\n').toStdString();
    const celvane::Workbook book = celvane::XlsxReader::read(output(QStringLiteral("roster.xlsx")));
    ASSERT_EQ(book.sheets.size(), 1u);
    EXPECT_EQ(book.sheets[0].name, QStringLiteral("作業員名簿"));
    bool named = false;
    for (const auto &[number, row] : book.sheets[0].rows)
        for (const auto &[column, cell] : row.cells)
            named = named || cell.text == QStringLiteral("大森 正和");
    EXPECT_TRUE(named);

    ASSERT_EQ(run(roster(QStringLiteral("6"), QStringLiteral("roster.pdf"))), 0);
    QFile pdf(output(QStringLiteral("roster.pdf")));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5) == "%PDF-");
}

TEST_F(SorvikPrintToolTest, ProblemsAreOneLineAndANonZeroExit)
{
    EXPECT_EQ(run(roster(QStringLiteral("8"), QStringLiteral("roster.pdf"))), 1);
    EXPECT_EQ(errors,
              QStringList{QStringLiteral("sorvik-print: contractor 8 is not in the construction system of project 1")});
    EXPECT_FALSE(QFile::exists(output(QStringLiteral("roster.pdf"))));

    QStringList missing = roster(QStringLiteral("2"), QStringLiteral("roster.pdf"));
    missing[2] = output(QStringLiteral("none.fdb"));
    EXPECT_EQ(run(missing), 1);
    EXPECT_EQ(errors,
              QStringList{QStringLiteral("sorvik-print: no database at ") + output(QStringLiteral("none.fdb"))});

    EXPECT_EQ(run(roster(QStringLiteral("2"), QStringLiteral("roster.doc"))), 2);
    EXPECT_TRUE(errors.value(0).startsWith(QStringLiteral("sorvik-print: the output is a .pdf or an .xlsx file")));
    EXPECT_EQ(run({QStringLiteral("ledgers"), QStringLiteral("--db"), site.path(), output(QStringLiteral("x.pdf"))}),
              2);
    EXPECT_EQ(errors.value(0), QStringLiteral("sorvik-print: no document ledgers (see --list)"));
    QStringList badDate = roster(QStringLiteral("2"), QStringLiteral("roster.pdf"));
    badDate[8] = QStringLiteral("2026/02/30");
    EXPECT_EQ(run(badDate), 2);
    EXPECT_EQ(errors.value(0), QStringLiteral("sorvik-print: --date takes a date YYYY/MM/DD, not 2026/02/30"));
}

TEST_F(SorvikPrintToolTest, LedgerNoticeAndRegionalFollowTheWindowsChoices)
{
    ASSERT_EQ(run(ledger(QStringLiteral("ledger"), {}, QStringLiteral("ledger.xlsx"))), 0)
        << errors.join(u'\n').toStdString();
    QStringList written = texts(QStringLiteral("ledger.xlsx"));
    EXPECT_TRUE(written.contains(QStringLiteral("株式会社丸山土木")));
    EXPECT_TRUE(written.contains(QStringLiteral("道央舗装株式会社")));

    const QStringList one{QStringLiteral("--contractor"), QStringLiteral("2"), QStringLiteral("--subcontractor"),
                          QStringLiteral("5")};
    ASSERT_EQ(run(ledger(QStringLiteral("notice"), one, QStringLiteral("notice.xlsx"))), 0)
        << errors.join(u'\n').toStdString();
    written = texts(QStringLiteral("notice.xlsx"));
    EXPECT_TRUE(written.contains(QStringLiteral("千歳鉄筋工業所")));
    EXPECT_FALSE(written.contains(QStringLiteral("有限会社石狩重機")));

    ASSERT_EQ(run(ledger(QStringLiteral("regional"), {QStringLiteral("--layout"), QStringLiteral("5")},
                         QStringLiteral("regional.xlsx"))),
              0)
        << errors.join(u'\n').toStdString();
    EXPECT_EQ(celvane::XlsxReader::read(output(QStringLiteral("regional.xlsx"))).sheets[0].name,
              QStringLiteral("施工体制台帳３"));
}

TEST_F(SorvikPrintToolTest, LedgerRefusesChoicesTheWindowWouldNotOffer)
{
    EXPECT_EQ(run(ledger(QStringLiteral("ledger"), {QStringLiteral("--subcontractor"), QStringLiteral("4")},
                         QStringLiteral("x.pdf"))),
              1);
    EXPECT_EQ(errors,
              QStringList{QStringLiteral("sorvik-print: contractor 4 does not work directly under contractor 1")});
    EXPECT_EQ(run(ledger(QStringLiteral("notice"), {QStringLiteral("--contractor"), QStringLiteral("6")},
                         QStringLiteral("x.pdf"))),
              1);
    EXPECT_EQ(errors, QStringList{QStringLiteral("sorvik-print: no contractor works directly under contractor 6")});
    EXPECT_EQ(run(ledger(QStringLiteral("notice"), {QStringLiteral("--contractor"), QStringLiteral("1")},
                         QStringLiteral("x.pdf"))),
              1);
    EXPECT_EQ(run(ledger(QStringLiteral("notice"), {}, QStringLiteral("x.pdf"))), 2);
    EXPECT_EQ(run(ledger(QStringLiteral("regional"),
                         {QStringLiteral("--layout"), QStringLiteral("1"), QStringLiteral("--contractor"),
                          QStringLiteral("2")},
                         QStringLiteral("x.pdf"))),
              2);
    EXPECT_EQ(run(ledger(QStringLiteral("regional"), {QStringLiteral("--layout"), QStringLiteral("6")},
                         QStringLiteral("x.pdf"))),
              2);
    EXPECT_FALSE(QFile::exists(output(QStringLiteral("x.pdf"))));
}

}  // namespace
