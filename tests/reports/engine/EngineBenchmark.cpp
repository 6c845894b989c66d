// A roster-like document of 100 pages: ten rows of twenty markers per page and a photo
// per row, filled through the engine and saved.
#include "Celvane.h"
#include "DocumentRenderer.h"
#include "LibreOfficePeer.h"
#include "TemplateFactory.h"

#include <QGuiApplication>
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

}  // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
