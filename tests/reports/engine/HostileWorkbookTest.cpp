// Hostile and damaged workbooks given to sorvik-report as a template, each run in a process
// of its own with a memory limit and a time limit: the tool ends in time with the document
// or with a one-line message, never with a crash, a hang or runaway memory.
#include "WorkbookParts.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/resource.h>

namespace {

constexpr rlim_t kMemoryLimit = 2ull << 30;  // bytes of address space
constexpr int kTimeLimit = 20000;            // milliseconds

QString anchor(const QString &from, const QString &to)
{
    const auto point = [](const QString &name, const QString &cell) {
        const QStringList parts = cell.split(u',');
        return QStringLiteral("<xdr:%1><xdr:col>%2</xdr:col><xdr:colOff>0</xdr:colOff><xdr:row>%3</xdr:row>"
                              "<xdr:rowOff>0</xdr:rowOff></xdr:%1>")
            .arg(name, parts[0], parts[1]);
    };
    return QStringLiteral("<xdr:twoCellAnchor>") + point(QStringLiteral("from"), from) + point(QStringLiteral("to"), to)
        + QStringLiteral("<xdr:sp><xdr:nvSpPr><xdr:cNvPr id=\"2\" name=\"s\"/><xdr:cNvSpPr/></xdr:nvSpPr><xdr:spPr>"
                         "<a:prstGeom prst=\"rect\"/></xdr:spPr></xdr:sp><xdr:clientData/></xdr:twoCellAnchor>");
}

struct Case
{
    const char *name;
    WorkbookParts parts;
};

std::vector<Case> cases()
{
    const QString someText = QStringLiteral("<row r=\"1\"><c r=\"A1\" t=\"inlineStr\"><is><t>表題</t></is></c></row>");
    std::vector<Case> list;
    const auto add = [&](const char *name, auto change) {
        WorkbookParts parts;
        parts.sheetData = someText;
        change(parts);
        list.push_back({name, parts});
    };
    add("drawing-at-the-largest-int", [](WorkbookParts &p) {
        p.anchors = anchor(QStringLiteral("2147483647,2147483647"), QStringLiteral("2147483647,2147483647"));
    });
    add("row-two-billion", [](WorkbookParts &p) {
        p.sheetData += QStringLiteral("<row r=\"2000000000\"><c r=\"A2000000000\"><v>1</v></c></row>");
    });
    add("anchors-far-away",
        [](WorkbookParts &p) { p.anchors = anchor(QStringLiteral("0,0"), QStringLiteral("20000,2000000")); });
    add("styled-empty-cell-at-the-last-cell", [](WorkbookParts &p) {
        p.cellFormats += QStringLiteral("<xf numFmtId=\"14\" fontId=\"0\" fillId=\"0\" borderId=\"0\" xfId=\"0\"/>");
        p.sheetData += QStringLiteral("<row r=\"1048576\"><c r=\"XFD1048576\" s=\"1\"/></row>");
    });
    add("merge-over-the-whole-sheet", [](WorkbookParts &p) {
        p.afterData = QStringLiteral("<mergeCells count=\"1\"><mergeCell ref=\"A1:XFD1048576\"/></mergeCells>");
    });
    add("custom-height-last-row",
        [](WorkbookParts &p) { p.sheetData += QStringLiteral("<row r=\"1048576\" ht=\"300\" customHeight=\"1\"/>"); });
    add("lined-last-cell", [](WorkbookParts &p) {
        p.cellFormats += QStringLiteral("<xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" borderId=\"1\" xfId=\"0\"/>");
        p.sheetData += QStringLiteral("<row r=\"1048576\"><c r=\"XFD1048576\" s=\"1\"/></row>");
    });
    add("kana-column-and-negative-row", [](WorkbookParts &p) {
        p.sheetData += QStringLiteral("<row r=\"50\"><c r=\"あ50\"><v>1</v></c></row><row r=\"-3\"/>");
    });
    add("indexes-out-of-range", [](WorkbookParts &p) {
        p.sheetData += QStringLiteral("<row r=\"2\"><c r=\"A2\" s=\"99999\" t=\"s\"><v>99999</v></c>"
                                      "<c r=\"B2\" s=\"-7\"><v>1e308</v></c></row>");
    });
    add("huge-sizes", [](WorkbookParts &p) {
        p.beforeData = QStringLiteral("<sheetFormatPr defaultRowHeight=\"1e300\" baseColWidth=\"2147483647\"/>"
                                      "<cols><col min=\"1\" max=\"16384\" width=\"1e300\"/></cols>");
        p.fonts = QStringLiteral("<font><sz val=\"1e300\"/><name val=\"IPAPGothic\"/></font>");
    });
    add("breaks-everywhere", [](WorkbookParts &p) {
        QString breaks;
        for (int i = 1; i < 20000; ++i)
            breaks += QStringLiteral("<brk id=\"%1\" man=\"1\"/>").arg(i);
        p.sheetData += QStringLiteral("<row r=\"20000\"><c r=\"A20000\"><v>1</v></c></row>");
        p.afterData = QStringLiteral("<rowBreaks>") + breaks + QStringLiteral("</rowBreaks>");
    });
    add("prefixed-namespace-without-strings", [](WorkbookParts &p) {
        p.mainPrefix = QStringLiteral("x");
        p.stringsPart = false;
        p.sheetData
            += QStringLiteral("<row r=\"3\"><c r=\"A3\" t=\"s\"><v>0</v></c><c r=\"B3\"><f>A3</f><v></v></c></row>");
    });
    return list;
}

class HostileWorkbook : public ::testing::TestWithParam<Case>
{
};

TEST_P(HostileWorkbook, EndsInTimeWithTheDocumentOrAMessage)
{
    const QString binary = qEnvironmentVariable("SORVIK_BINARY_DIR");
    const QString tool
        = (binary.isEmpty() ? QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath().section(u'/', 0, -3)
                            : binary)
        + QStringLiteral("/bin/sorvik-report");
    if (!QFile::exists(tool))
        GTEST_SKIP() << "sorvik-report is not built";
    QTemporaryDir dir;
    QFile workbook(dir.filePath(QStringLiteral("hostile.xlsx")));
    ASSERT_TRUE(workbook.open(QIODevice::WriteOnly));
    workbook.write(GetParam().parts.zipped());
    workbook.close();
    QFile script(dir.filePath(QStringLiteral("doc.json")));
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write(R"({"template": "hostile.xlsx", "sheet": "Sheet1", "calls": [{"call": "Close"}]})");
    script.close();

    QProcess process;
    process.setChildProcessModifier([] {
        const rlimit limit{kMemoryLimit, kMemoryLimit};
        setrlimit(RLIMIT_AS, &limit);
    });
    QElapsedTimer clock;
    clock.start();
    process.start(
        tool, {script.fileName(), dir.filePath(QStringLiteral("out.xlsx")), dir.filePath(QStringLiteral("out.pdf"))});
    const bool ended = process.waitForFinished(kTimeLimit);
    if (!ended)
        process.kill();
    ASSERT_TRUE(ended) << GetParam().name << ": still running after " << kTimeLimit << " ms";
    // The last line is the tool's own; Qt may say something about the environment before it.
    const QString errors = QString::fromUtf8(process.readAllStandardError()).trimmed().section(u'\n', -1);
    ASSERT_EQ(process.exitStatus(), QProcess::NormalExit) << GetParam().name << ": " << errors.toStdString();
    ASSERT_TRUE(process.exitCode() == 0 || process.exitCode() == 1) << GetParam().name;
    if (process.exitCode() == 1)
        EXPECT_TRUE(errors.startsWith(QStringLiteral("sorvik-report: "))) << errors.toStdString();
    else
        EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("out.xlsx"))));
    std::printf("%-40s exit %d in %5lld ms %s\n", GetParam().name, process.exitCode(), clock.elapsed(),
                qPrintable(errors.left(90)));
}

INSTANTIATE_TEST_SUITE_P(Cases, HostileWorkbook, ::testing::ValuesIn(cases()),
                         [](const ::testing::TestParamInfo<Case> &info) {
                             return QString::fromLatin1(info.param.name).replace(u'-', u'_').toStdString();
                         });

}  // namespace
