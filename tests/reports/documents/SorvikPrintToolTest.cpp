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
    EXPECT_EQ(
        names,
        QString("cards,holders,inspection,machines,notice,qualifications,roster,safety,tools,vehicles").split(','));
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
    EXPECT_EQ(run({QStringLiteral("ledger"), QStringLiteral("--db"), site.path(), output(QStringLiteral("x.pdf"))}), 2);
    EXPECT_EQ(errors.value(0), QStringLiteral("sorvik-print: no document ledger (see --list)"));
    QStringList badDate = roster(QStringLiteral("2"), QStringLiteral("roster.pdf"));
    badDate[8] = QStringLiteral("2026/02/30");
    EXPECT_EQ(run(badDate), 2);
    EXPECT_EQ(errors.value(0), QStringLiteral("sorvik-print: --date takes a date YYYY/MM/DD, not 2026/02/30"));
}

}  // namespace
