// Workbooks written by other programs and Japanese site forms: every value survives a save,
// LibreOffice opens every saved file, and the engine prints them as LibreOffice does.
// LibreOffice starts twice for the whole suite: once to make the forms from their sources,
// once to print every saved workbook.
#include "DocumentRenderer.h"
#include "LibreOfficePeer.h"
#include "QStringPrinter.h"
#include "WorkbookParts.h"
#include "XlsxReader.h"
#include "XlsxWriter.h"

#include <QDir>
#include <QFile>
#include <QLineF>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdio>

using namespace celvane;

namespace {

constexpr double kTolerance = 3 * 72 / 25.4;  // three millimetres in points

QString row(int number, const QString &cells, const QString &attributes = {})
{
    return QStringLiteral("<row r=\"%1\" %2>%3</row>").arg(number).arg(attributes, cells);
}

QString cell(const QString &reference, int style, const QString &value, const QString &type = {})
{
    return QStringLiteral("<c r=\"%1\" s=\"%2\"%3><v>%4</v></c>")
        .arg(reference)
        .arg(style)
        .arg(type.isEmpty() ? QString() : QStringLiteral(" t=\"%1\"").arg(type), value);
}

// A daily report as a site clerk lays it out in Excel: an era date with its weekday, names
// with an honorific, elapsed hours, amounts with the yen sign at the left, postal codes,
// zeros left blank, a bold Mincho title over merged cells, and a manual page break.
WorkbookParts dailyReport()
{
    WorkbookParts parts;
    parts.fonts = QStringLiteral("<font><sz val=\"11\"/><name val=\"ＭＳ Ｐゴシック\"/></font>"
                                 "<font><b/><sz val=\"16\"/><name val=\"ＭＳ 明朝\"/></font>");
    parts.numberFormats
        = QStringLiteral("<numFmt numFmtId=\"164\" formatCode=\"[$-411]ggge&quot;年&quot;m&quot;月&quot;d&quot;日&quot;"
                         "(aaa)\"/><numFmt numFmtId=\"165\" formatCode=\"@&quot; 殿&quot;\"/>"
                         "<numFmt numFmtId=\"166\" formatCode=\"[h]:mm\"/>"
                         "<numFmt numFmtId=\"167\" formatCode=\"[&lt;=999]000;000-0000\"/>"
                         "<numFmt numFmtId=\"168\" formatCode=\"#,##0;[Red]\\-#,##0;\"/>");
    const QString box = QStringLiteral(" fontId=\"0\" fillId=\"0\" borderId=\"1\" xfId=\"0\" applyBorder=\"1\"");
    parts.cellFormats += QStringLiteral("<xf numFmtId=\"0\" fontId=\"1\" fillId=\"0\" borderId=\"0\" xfId=\"0\" "
                                        "applyFont=\"1\" applyAlignment=\"1\"><alignment horizontal=\"center\"/></xf>")
        + QStringLiteral(
              "<xf numFmtId=\"164\"%1/><xf numFmtId=\"165\"%1/><xf numFmtId=\"166\"%1/>"
              "<xf numFmtId=\"42\"%1/><xf numFmtId=\"167\"%1/><xf numFmtId=\"168\"%1/><xf numFmtId=\"0\"%1/>")
              .arg(box);
    parts.strings
        = QStringLiteral("<si><t>令和6年度　安全衛生日報</t></si><si><t>作業日</t></si><si><t>氏名</t></si>"
                         "<si><t>時間</t></si><si><t>金額</t></si><si><t>郵便番号</t></si><si><t>差額</t></si>");
    const QStringList names = {QStringLiteral("山田太郎"), QStringLiteral("佐藤花子"), QStringLiteral("鈴木一郎"),
                               QStringLiteral("高橋次郎"), QStringLiteral("田中三郎"), QStringLiteral("伊藤四郎")};
    for (int i = 0; i < names.size(); ++i)
        parts.strings += QStringLiteral("<si><t>%1</t></si>").arg(names[i]);
    parts.beforeData = QStringLiteral("<sheetFormatPr defaultRowHeight=\"13.5\"/><cols>"
                                      "<col min=\"1\" max=\"1\" width=\"24\" customWidth=\"1\"/>"
                                      "<col min=\"2\" max=\"2\" width=\"16\" customWidth=\"1\"/>"
                                      "<col min=\"3\" max=\"6\" width=\"12\" customWidth=\"1\"/></cols>");
    QString rows = row(1, cell(QStringLiteral("A1"), 1, QStringLiteral("0"), QStringLiteral("s")),
                       QStringLiteral("ht=\"24\" customHeight=\"1\""));
    QString header;
    for (int c = 0; c < 6; ++c)
        header
            += cell(QStringLiteral("%1%2").arg(QChar(u'A' + c)).arg(3), 8, QString::number(1 + c), QStringLiteral("s"));
    rows += row(3, header, QStringLiteral("ht=\"18\" customHeight=\"1\""));
    for (int i = 0; i < names.size(); ++i) {
        const int r = 4 + i;
        const auto at = [r](char column) { return QStringLiteral("%1%2").arg(QChar(column)).arg(r); };
        rows += row(r,
                    cell(at('A'), 2, QString::number(45383 + i * 9))
                        + cell(at('B'), 3, QString::number(7 + i), QStringLiteral("s"))
                        + cell(at('C'), 4, QString::number((8.5 + i * 13.25) / 24, 'g', 17))
                        + cell(at('D'), 5, QString::number(i == 2 ? 0 : 12500 * (i + 1)))
                        + cell(at('E'), 6, QString::number(i % 2 ? 1500001 + i : 60 + i))
                        + cell(at('F'), 7, QString::number((i - 2) * 1500)),
                    QStringLiteral("ht=\"20\" customHeight=\"1\""));
    }
    rows += row(11,
                cell(QStringLiteral("C11"), 4, QStringLiteral("58.90625"))
                    + QStringLiteral("<c r=\"D11\" s=\"5\"><f>SUM(D4:D9)</f><v></v></c>"));
    parts.sheetData = rows;
    parts.afterData
        = QStringLiteral("<mergeCells count=\"1\"><mergeCell ref=\"A1:F1\"/></mergeCells>"
                         "<pageMargins left=\"0.7\" right=\"0.7\" top=\"0.75\" bottom=\"0.75\" header=\"0.3\" "
                         "footer=\"0.3\"/><pageSetup paperSize=\"9\" orientation=\"portrait\"/>"
                         "<rowBreaks count=\"1\" manualBreakCount=\"1\"><brk id=\"6\" max=\"16383\" man=\"1\"/>"
                         "</rowBreaks>");
    return parts;
}

// A roster of sixty workers: more rows than a page holds.
WorkbookParts longRoster()
{
    WorkbookParts parts;
    parts.fonts = QStringLiteral("<font><sz val=\"11\"/><name val=\"ＭＳ ゴシック\"/></font>");
    parts.cellFormats += QStringLiteral("<xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" borderId=\"1\" xfId=\"0\"/>"
                                        "<xf numFmtId=\"164\" fontId=\"0\" fillId=\"0\" borderId=\"1\" xfId=\"0\"/>");
    parts.numberFormats = QStringLiteral("<numFmt numFmtId=\"164\" formatCode=\"yyyy/m/d\"/>");
    QString rows;
    for (int r = 1; r <= 60; ++r)
        rows += row(r,
                    QStringLiteral("<c r=\"A%1\" s=\"1\" t=\"inlineStr\"><is><t>作業員%1</t></is></c>").arg(r)
                        + cell(QStringLiteral("B%1").arg(r), 2, QString::number(30000 + r * 97))
                        + cell(QStringLiteral("C%1").arg(r), 1, QString::number(r * 1000)),
                    QStringLiteral("ht=\"18\" customHeight=\"1\""));
    parts.sheetData = rows;
    parts.beforeData = QStringLiteral("<sheetFormatPr defaultRowHeight=\"13.5\"/><cols><col min=\"2\" max=\"2\" "
                                      "width=\"12\" customWidth=\"1\"/></cols>");
    return parts;
}

// Amounts and dates of a Japanese contract form in kanji, formal kanji and full-width numerals.
WorkbookParts kanjiNumerals()
{
    constexpr double kEvening = 45657 + (23 * 60 + 5) / 1440.0;  // 2024-12-31 23:05
    const std::pair<const char16_t *, double> shown[] = {
        {u"[DBNum1]General", 123456789},
        {u"[DBNum1]#,##0", 10001},
        {u"[DBNum1]0.00", 1.5},
        {u"[DBNum1]0", -123},
        {u"[DBNum1]General", -0.25},
        {u"[DBNum1]\"金\"#,##0\"円也\"", 1234},
        {u"[DBNum1]0", 1.5e16},
        {u"[DBNum1]000-0000", 1234567},
        {u"[DBNum2]General", 12345},
        {u"[DBNum2]\"金\"#,##0\"円\"", 10000000},
        {u"[DBNum2]0.00", -1.5},
        {u"[DBNum3]#,##0", 1234},
        {u"[DBNum3]0.00", -1.5},
        {u"[DBNum4][$-411]0", 1234},
        {u"[DBNum1][$-411]ggge\"年\"m\"月\"d\"日\"", 45383},
        {u"[DBNum1]ggge\"年\"m\"月\"d\"日\"", 43586},
        {u"[DBNum1][$-411]ge.m.d", 40000},
        {u"[DBNum1]yyyy\"年\"mm\"月\"dd\"日\"", 45657},
        {u"[DBNum1]m\"月\"d\"日\"(aaa)", 45383},
        {u"[DBNum2][$-411]ggge\"年\"m\"月\"d\"日\"", 43586},
        {u"[DBNum3][$-411]ggge\"年\"mm\"月\"dd\"日\"", 43586},
        {u"[DBNum1]h\"時\"mm\"分\"", kEvening},
        {u"[DBNum1]m\"月\"d\"日\"h\"時\"mm\"分\"", kEvening},
        {u"[DBNum2]yy/m/d h:m", kEvening},
        {u"[DBNum3]hh:mm", kEvening},
        {u"[DBNum1][h]\"時間\"", 40.0 / 24},
    };
    WorkbookParts parts;
    QString rows;
    int r = 0;
    for (const auto &[code, value] : shown) {
        ++r;
        parts.numberFormats += QStringLiteral("<numFmt numFmtId=\"%1\" formatCode=\"%2\"/>")
                                   .arg(163 + r)
                                   .arg(QString::fromUtf16(code).toHtmlEscaped());
        parts.cellFormats += QStringLiteral("<xf numFmtId=\"%1\" fontId=\"0\" fillId=\"0\" borderId=\"0\" xfId=\"0\" "
                                            "applyNumberFormat=\"1\"/>")
                                 .arg(163 + r);
        rows += row(r, cell(QStringLiteral("A%1").arg(r), r, QString::number(value, 'g', 17)));
    }
    parts.sheetData = rows;
    parts.beforeData = QStringLiteral("<cols><col min=\"1\" max=\"1\" width=\"60\" customWidth=\"1\"/></cols>");
    return parts;
}

struct Printed
{
    QString name;
    bool outside = false;  // written by Excel or an older LibreOffice, not made for this corpus
    QString original;
    QString saved;
    QString ours;    // our PDF, empty when the workbook prints nothing
    QString theirs;  // LibreOffice's PDF of the saved workbook
};

class Corpus : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        s_folder = new QTemporaryDir;
        s_files = new std::vector<Printed>;
        // CELVANE_KEEP_CORPUS=1 keeps the saved workbooks and both prints to look at.
        if (qEnvironmentVariableIsSet("CELVANE_KEEP_CORPUS")) {
            s_folder->setAutoRemove(false);
            std::printf("corpus prints kept in %s\n", qPrintable(s_folder->path()));
        }
        if (!LibreOfficePeer::available())
            return;
        const QDir folder(s_folder->path());
        for (const QString &sub :
             {QStringLiteral("in"), QStringLiteral("saved"), QStringLiteral("ours"), QStringLiteral("theirs")})
            folder.mkpath(sub);
        QStringList inputs;
        const QDir corpus(QStringLiteral(CELVANE_TEST_DATA "/../corpus"));
        for (const QString &name : corpus.entryList({QStringLiteral("*.xlsx")}, QDir::Files, QDir::Name))
            inputs << corpus.filePath(name);
        const QDir data(QStringLiteral(CELVANE_TEST_DATA));
        QStringList sources;
        for (const QString &name : data.entryList({QStringLiteral("*.fods")}, QDir::Files, QDir::Name))
            sources << data.filePath(name);
        inputs << LibreOfficePeer::convertAll(sources, QStringLiteral("xlsx:Calc MS Excel 2007 XML"),
                                              folder.filePath(QStringLiteral("in")));
        for (const auto &[name, parts] : {std::pair(QStringLiteral("daily-report.xlsx"), dailyReport()),
                                          std::pair(QStringLiteral("long-roster.xlsx"), longRoster()),
                                          std::pair(QStringLiteral("kanji-numerals.xlsx"), kanjiNumerals())}) {
            QFile file(folder.filePath(QStringLiteral("in/") + name));
            if (file.open(QIODevice::WriteOnly))
                file.write(parts.zipped());
            inputs << file.fileName();
        }
        QStringList saved;
        for (const QString &input : inputs) {
            Printed printed;
            printed.original = input;
            printed.name = QFileInfo(input).fileName();
            printed.outside = input.startsWith(corpus.path());
            if (input.isEmpty())
                continue;
            printed.saved = folder.filePath(QStringLiteral("saved/") + printed.name);
            const Workbook book = XlsxReader::read(input);
            XlsxWriter::write(book, printed.saved);
            const DocumentRenderer renderer(book);
            if (renderer.pageCount() > 0) {
                printed.ours = folder.filePath(QStringLiteral("ours/") + QFileInfo(input).completeBaseName()
                                               + QStringLiteral(".pdf"));
                renderer.savePdf(printed.ours);
            }
            saved << printed.saved;
            s_files->push_back(printed);
        }
        const QStringList theirs
            = LibreOfficePeer::convertAll(saved, QStringLiteral("pdf"), folder.filePath(QStringLiteral("theirs")));
        for (size_t i = 0; i < s_files->size(); ++i)
            (*s_files)[i].theirs = theirs.value(qsizetype(i));
    }
    static void TearDownTestSuite()
    {
        delete s_files;
        delete s_folder;
    }
    void SetUp() override
    {
        if (!LibreOfficePeer::available())
            GTEST_SKIP() << "LibreOffice (soffice) is not installed";
    }

    static QTemporaryDir *s_folder;
    static std::vector<Printed> *s_files;
};

QTemporaryDir *Corpus::s_folder = nullptr;
std::vector<Printed> *Corpus::s_files = nullptr;

TEST_F(Corpus, EveryCellValueSurvivesASave)
{
    ASSERT_GE(s_files->size(), 15u);
    for (const Printed &file : *s_files) {
        const Workbook before = XlsxReader::read(file.original);
        const Workbook after = XlsxReader::read(file.saved);
        ASSERT_EQ(before.sheets.size(), after.sheets.size()) << file.name;
        int cells = 0;
        for (size_t s = 0; s < before.sheets.size(); ++s) {
            EXPECT_EQ(before.sheets[s].name, after.sheets[s].name) << file.name;
            EXPECT_EQ(before.sheets[s].merges, after.sheets[s].merges) << file.name;
            for (const auto &[number, row] : before.sheets[s].rows)
                for (const auto &[column, cell] : row.cells) {
                    const Cell *again = after.sheets[s].findCell(column, number);
                    ASSERT_NE(again, nullptr) << file.name << " " << CellRange::cellName(column, number);
                    EXPECT_EQ(int(again->type), int(cell.type))
                        << file.name << " " << CellRange::cellName(column, number);
                    EXPECT_EQ(again->text, cell.text) << file.name << " " << CellRange::cellName(column, number);
                    EXPECT_EQ(again->number, cell.number) << file.name << " " << CellRange::cellName(column, number);
                    EXPECT_EQ(again->formulaXml, cell.formulaXml) << file.name;
                    ++cells;
                }
        }
        std::printf("round trip %-32s %6d cells unchanged\n", qPrintable(file.name), cells);
    }
}

TEST_F(Corpus, LibreOfficeOpensEverySavedFile)
{
    for (const Printed &file : *s_files) {
        ASSERT_FALSE(file.theirs.isEmpty()) << file.name << ": LibreOffice could not open the saved workbook";
        EXPECT_GT(LibreOfficePeer::pageCount(file.theirs), 0) << file.name;
    }
}

TEST_F(Corpus, PrintsAsLibreOfficePrints)
{
    std::printf("%-32s %9s %9s %13s %9s\n", "workbook", "pages", "LO pages", "words placed", "farthest");
    for (const Printed &file : *s_files) {
        if (file.theirs.isEmpty())
            continue;
        const auto ourWords = file.ours.isEmpty() ? std::vector<std::vector<LibreOfficePeer::Word>>{}
                                                  : LibreOfficePeer::words(file.ours);
        const auto theirWords = LibreOfficePeer::words(file.theirs);
        // LibreOffice prints one blank page for a workbook with nothing to print.
        const bool blank = std::all_of(theirWords.begin(), theirWords.end(), [](const auto &p) { return p.empty(); });
        const size_t theirPages = blank && ourWords.empty() ? 0 : theirWords.size();
        int words = 0, near = 0;
        double farthest = 0;
        for (size_t p = 0; p < std::min(ourWords.size(), theirWords.size()); ++p)
            for (const LibreOfficePeer::Word &word : ourWords[p]) {
                double best = 1e9;
                for (const LibreOfficePeer::Word &other : theirWords[p])
                    if (other.text == word.text)
                        best = std::min(best, QLineF(word.at, other.at).length());
                ++words;
                near += best <= kTolerance;
                if (best < 1e9)
                    farthest = std::max(farthest, best);
            }
        std::printf("%-32s %9zu %9zu %7d / %-5d %6.1f mm\n", qPrintable(file.name), ourWords.size(), theirPages, near,
                    words, farthest * 25.4 / 72);
        EXPECT_EQ(ourWords.size(), theirPages) << file.name;
        // Workbooks from Excel show where LibreOffice prints otherwise than Excel, and the engine
        // prints as Excel does: built-in date 14 as 2007/1/1 (LibreOffice 2007/01/01), TRUE and
        // FALSE (LibreOffice 1 and 0), a number too wide as a cell of "#" (LibreOffice "###").
        EXPECT_GE(near, words * (file.outside ? 75 : 95) / 100) << file.name << ": words within 3 mm of LibreOffice's";
    }
}

// What the number formats print, word for word: kanji numerals read as LibreOffice reads them.
TEST_F(Corpus, KanjiNumeralsPrintAsInLibreOffice)
{
    const auto file = std::find_if(s_files->begin(), s_files->end(),
                                   [](const Printed &p) { return p.name == QLatin1String("kanji-numerals.xlsx"); });
    ASSERT_NE(file, s_files->end());
    ASSERT_FALSE(file->ours.isEmpty());
    ASSERT_FALSE(file->theirs.isEmpty());
    const auto pageTexts = [](const QString &pdf) {
        QStringList pages;
        for (const auto &page : LibreOfficePeer::words(pdf)) {
            QStringList words;
            for (const LibreOfficePeer::Word &word : page)
                words << word.text;
            words.sort();
            pages << words.join(u'\n');
        }
        return pages;
    };
    const QStringList ours = pageTexts(file->ours);
    const QStringList theirs = pageTexts(file->theirs);
    ASSERT_EQ(ours.size(), theirs.size());
    for (qsizetype p = 0; p < ours.size(); ++p)
        EXPECT_EQ(ours[p], theirs[p]) << "page " << p + 1;
}

}  // namespace
