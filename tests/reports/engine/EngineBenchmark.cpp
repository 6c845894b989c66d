// A roster-like document of 100 pages: ten rows of twenty markers per page and a photo
// per row, filled through the engine and saved.
#include "Celvane.h"
#include "DocumentRenderer.h"
#include "LibreOfficePeer.h"
#include "TemplateFactory.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QPicture>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace celvane;

namespace {

void fillRoster(Celvane &engine, const std::vector<CelvanePicture> &photos, int pages)
{
    engine.Document().Begin();
    engine.Page().Open(QStringLiteral("作業員名簿"));
    static const QStringList markers = [] {
        QStringList list;
        for (int column = 1; column <= 20; ++column)
            list << QStringLiteral("**C%1").arg(column);
        return list;
    }();
    for (int page = 0; page < pages; ++page) {
        if (page > 0)
            engine.Page().NewPage(true);
        engine.Page().SetRows(1, -1);
        engine.Cell(QStringLiteral("**CMPNM")).Value(QStringLiteral("株式会社 試験建設"));
        engine.Cell(QStringLiteral("**MKYMD")).Value(QStringLiteral("（　令和　6年　4月　1日　作成　）"));
        for (int row = 0; row < 10; ++row) {
            const int person = page * 10 + row;
            for (int column = 0; column < 20; ++column)
                engine.Cell(markers[column], 0, row).Value(QStringLiteral("値%1-%2").arg(person).arg(column));
            engine.Cell(QStringLiteral("**PHOTO"), 0, row)
                .Drawing()
                .AddPicture(photos[person % photos.size()], 1, 1, std::nullopt, 11);
        }
    }
    engine.Page().Close();
}

std::vector<CelvanePicture> photos()
{
    std::vector<CelvanePicture> result;
    for (int i = 0; i < 1000; ++i)  // a photo of its own for every person
        result.push_back(CelvaneOlePicture(TemplateFactory::jpeg(90 + i % 7, 120, Qt::GlobalColor(7 + i % 10))));
    return result;
}

// With SORVIK_BENCH_KEEP set to a folder, the PDFs are copied there, to compare the
// pages of two builds (pdftoppm) after a change to the output path.
void keepOutput(const QString &pdf, QString name = {})
{
    const QString folder = qEnvironmentVariable("SORVIK_BENCH_KEEP");
    if (folder.isEmpty())
        return;
    const QString target = QDir(folder).filePath(name.isEmpty() ? QFileInfo(pdf).fileName() : name);
    QFile::remove(target);
    QFile::copy(pdf, target);
}

// The filled document, saved once for the rendering benchmarks.
struct FilledRoster
{
    QTemporaryDir dir;
    Celvane engine;
    QString workbook;
    FilledRoster()
    {
        const QString templatePath = dir.filePath(QStringLiteral("meibo.xlsx"));
        TemplateFactory::save(TemplateFactory::wideRoster(), templatePath);
        engine.FileName(templatePath);
        fillRoster(engine, photos(), 100);
        workbook = dir.filePath(QStringLiteral("roster100.xlsx"));
        engine.saveAs(workbook);
    }
};

void BM_FillAndSave100Pages(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString templatePath = dir.filePath(QStringLiteral("meibo.xlsx"));
    TemplateFactory::save(TemplateFactory::wideRoster(), templatePath);
    const std::vector<CelvanePicture> photos = ::photos();
    for (auto _ : state) {
        Celvane engine;
        engine.FileName(templatePath);
        fillRoster(engine, photos, 100);
        engine.saveAs(dir.filePath(QStringLiteral("out.xlsx")));
    }
}
BENCHMARK(BM_FillAndSave100Pages)->Unit(benchmark::kMillisecond)->MinTime(3.0);

void BM_RenderPdf100Pages(benchmark::State &state)
{
    FilledRoster roster;
    const QString pdf = roster.dir.filePath(QStringLiteral("ours.pdf"));
    for (auto _ : state)
        DocumentRenderer(roster.engine.finishedDocument()).savePdf(pdf);
    state.counters["pages"] = LibreOfficePeer::pageCount(pdf);
    keepOutput(pdf);
}
BENCHMARK(BM_RenderPdf100Pages)->Unit(benchmark::kMillisecond)->MinTime(3.0)->UseRealTime();

// The peer's time for the same workbook, for comparison.
void BM_LibreOfficePdf100Pages(benchmark::State &state)
{
    if (!LibreOfficePeer::available()) {
        state.SkipWithError("LibreOffice is not installed");
        return;
    }
    FilledRoster roster;
    LibreOfficePeer::convert(roster.workbook, QStringLiteral("pdf"), roster.dir.path());  // profile set-up
    QString pdf;
    for (auto _ : state)
        pdf = LibreOfficePeer::convert(roster.workbook, QStringLiteral("pdf"), roster.dir.path());
    state.counters["pages"] = LibreOfficePeer::pageCount(pdf);
}
BENCHMARK(BM_LibreOfficePdf100Pages)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

// A long register: rows of ten bordered cells (names, era dates, hours, amounts), as a
// year of daily records would make; every page is laid out and drawn to PDF.
Workbook longRegister(int rows)
{
    Workbook book;
    book.styles.fonts.front().name = QStringLiteral("ＭＳ Ｐゴシック");
    Border box;
    box.left = box.right = box.top = box.bottom = {LineStyle::Thin, CellColor::automatic()};
    book.styles.borders.push_back(box);
    book.styles.numberFormats[164] = QStringLiteral("[$-411]ggge\"年\"m\"月\"d\"日\"");
    CellFormat text, date, hours;
    text.borderId = date.borderId = hours.borderId = 1;
    date.numFmtId = 164;
    hours.numFmtId = 46;
    const int textStyle = TemplateFactory::addFormat(book, text);
    const int dateStyle = TemplateFactory::addFormat(book, date);
    const int hoursStyle = TemplateFactory::addFormat(book, hours);
    Worksheet sheet;
    sheet.name = QStringLiteral("台帳");
    sheet.columns.push_back({1, 10, 9.0, true, false, -1, {}});
    sheet.columns.push_back({2, 2, 16.0, true, false, -1, {}});
    for (int r = 1; r <= rows; ++r) {
        for (int c = 1; c <= 10; ++c) {
            Cell &cell = sheet.cellAt(c, r);
            if (c == 2) {
                cell.type = Cell::Type::Number;
                cell.number = 43586 + r % 2000;
                cell.style = dateStyle;
            } else if (c == 3) {
                cell.type = Cell::Type::Number;
                cell.number = (r % 97) / 24.0;
                cell.style = hoursStyle;
            } else {
                cell.type = Cell::Type::Text;
                cell.text = c == 1 ? QStringLiteral("作業員%1").arg(r) : QStringLiteral("値%1").arg(c);
                cell.style = textStyle;
            }
        }
    }
    book.sheets.push_back(std::move(sheet));
    return book;
}

void BM_LongRegisterToPdf(benchmark::State &state)
{
    const Workbook book = longRegister(int(state.range(0)));
    QTemporaryDir dir;
    int pages = 0;
    for (auto _ : state) {
        const DocumentRenderer renderer(book);
        renderer.savePdf(dir.filePath(QStringLiteral("register.pdf")));
        pages = renderer.pageCount();
    }
    state.counters["pages"] = pages;
    state.counters["rows"] = double(state.range(0));
    keepOutput(dir.filePath(QStringLiteral("register.pdf")), QStringLiteral("register%1.pdf").arg(state.range(0)));
}
// The same pages drawn into a picture recorder: the engine's own share, without the PDF writer's.
void BM_LongRegisterDrawn(benchmark::State &state)
{
    const Workbook book = longRegister(int(state.range(0)));
    for (auto _ : state) {
        const DocumentRenderer renderer(book);
        QPicture picture;
        QPainter painter(&picture);
        for (int page = 0; page < renderer.pageCount(); ++page)
            renderer.paintPage(painter, page);
    }
}
BENCHMARK(BM_LongRegisterDrawn)->Arg(25000)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

// Pagination alone: which cells are inked, where the pages break.
void BM_LongRegisterPaginated(benchmark::State &state)
{
    const Workbook book = longRegister(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(DocumentRenderer(book).pageCount());
}
BENCHMARK(BM_LongRegisterPaginated)
    ->Arg(25000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->UseRealTime();

BENCHMARK(BM_LongRegisterToPdf)
    ->Arg(25000)
    ->Arg(50000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->UseRealTime();

}  // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
