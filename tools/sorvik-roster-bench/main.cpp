// sorvik-roster-bench: the worker roster editor on a contractor of 1 000 workers, as a user
// meets it: opening the window, paging the list from top to bottom, walking the workers
// one by one (each shown with its dates and photo), and ticking a worker's selection,
// which is saved at once. Run offscreen: QT_QPA_PLATFORM=offscreen sorvik-roster-bench
#include "FormServices.h"
#include "controls/DBGrid.h"
#include "data/ImageStore.h"
#include "db/Query.h"
#include "demo/DemoSite.h"
#include "editors/TMeiboListForm.h"
#include "config/IniFile.h"
#include "program/AppContext.h"
#include "program/DataModule1.h"
#include "schema/SchemaBuilder.h"

#include <QApplication>
#include <QDir>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <benchmark/benchmark.h>

namespace {

constexpr int kWorkers = 1000;

// The demo site's contractor 2 with 1 000 workers, each with the photo of the demo's first
// worker, a birth date of its own and its summaries of qualifications.
void fillLargeRoster(db::Transaction &transaction)
{
    FillDemoSite(transaction);
    db::Query photo(transaction);
    photo.setSql(QStringLiteral("Select SDFL from SAGYOIN where KJCD = 1 and GYOCD = 2 and INCD = 1"));
    photo.open();
    const QString sdfl = photo.field(0).asString();
    photo.close();
    db::Query insert(transaction);
    insert.setSql(QStringLiteral("Insert into SAGYOIN (KJCD, GYOCD, INCD, ODRNO, NAME, FURI, BNDT, OLD, TYP, GINOKYO,"
                                 " MENKYO, TOKUKYO, KKDT, INDT, UKDT, PRESU, PRESL, FMLE, YNG, ADVA, SEL, SDFL)"
                                 " values(1, 2, ?, ?, ?, ?, ?, 40, '型枠工', '玉掛,車両系', '大型', '職長',"
                                 " '2026/04/01', '2026/05/01', '2026/05/01', 128, 82, 0, 0, 0, 1, ?)"));
    for (int n = 100; n < 100 + kWorkers; ++n) {
        insert.setParam(0, n);
        insert.setParam(1, n);
        insert.setParam(2, QStringLiteral("作業員 %1").arg(n));
        insert.setParam(3, QStringLiteral("さぎょういん %1").arg(n));
        insert.setParam(4, QDate(1960, 1, 1).addDays(n * 17).toString(QStringLiteral("yyyy/MM/dd")));
        insert.setParam(5, sdfl);
        insert.exec();
    }
}

// A program folder with the large roster's database, opened as the program opens it.
class LargeSite
{
public:
    LargeSite()
    {
        const QString path = m_dir.filePath(QStringLiteral("sorvik.fdb"));
        CreateSorvikDatabase(path);
        data.IBDatabase1.setDatabaseName(path);
        data.IBDatabase1.open();
        data.IBTransaction1.start();
        fillLargeRoster(data.IBTransaction1);
        data.IBTransaction1.commitRetaining();

        AppContext &app = AppContext::instance();
        app.WorkDate = QDate(2026, 6, 1);
        app.ImageRoot = m_context.records.ImageRoot;
        QDir(app.ImageRoot).mkpath(QStringLiteral("image"));
        app.Project().Select({QStringLiteral("1"), QStringLiteral("国道230号"), {}, false});
        app.Project().PublishTree({{QStringLiteral("北辰建設株式会社"), QStringLiteral("1"), 0},
                                   {QStringLiteral("株式会社丸山土木"), QStringLiteral("2"), 1}});
    }

    std::unique_ptr<TMeiboListForm> openRoster()
    {
        auto roster = std::make_unique<TMeiboListForm>(m_context);
        roster->KojiCode = QStringLiteral("1");
        roster->KojiName = QStringLiteral("国道230号");
        roster->LoadContractorList();
        roster->SelectContractor(QStringLiteral("2"));
        roster->resize(1200, 900);
        roster->show();
        QCoreApplication::processEvents();
        return roster;
    }

    TDataModule1 data;

private:
    QTemporaryDir m_dir;
    IniFile m_settings{m_dir.filePath(QStringLiteral("sorvik.ini"))};
    ImageStore m_images{data.IBTransaction1};
    FormServices m_services{data};
    EditorContext m_context{{data.IBTransaction1, m_images, AppContext::Project(), m_settings,
                             m_dir.path() + QLatin1Char('/'), [] { return AppContext::instance().WorkDate; }},
                            m_services};
};

LargeSite *site = nullptr;

void OpenRoster(benchmark::State &state)
{
    for (auto _ : state) {
        auto roster = site->openRoster();
        benchmark::DoNotOptimize(roster->IBTable1.RecordCount());
    }
}

// The list paged through with the scroll bar, every page painted.
void PageThroughTheList(benchmark::State &state)
{
    auto roster = site->openRoster();
    QScrollBar *bar = roster->DBGrid1->verticalScrollBar();
    for (auto _ : state) {
        for (int value = 0; value <= bar->maximum(); value += bar->pageStep()) {
            bar->setValue(value);
            roster->DBGrid1->viewport()->repaint();
        }
        bar->setValue(0);
    }
    state.counters["pages"] = double(bar->maximum() / std::max(1, bar->pageStep()) + 1);
}

// Every worker made current in turn, its dates and photo shown.
void WalkEveryWorker(benchmark::State &state)
{
    auto roster = site->openRoster();
    for (auto _ : state) {
        for (roster->IBTable1.First(); !roster->IBTable1.Eof(); roster->IBTable1.Next())
            ;
    }
    state.counters["workers"] = double(roster->IBTable1.RecordCount());
}

// A click on the selection box of a worker far down the list: posted, committed and
// counted again.
void ToggleASelection(benchmark::State &state)
{
    auto roster = site->openRoster();
    DBGrid &grid = *roster->DBGrid1;
    const QModelIndex cell = grid.model()->index(900, 0);
    grid.scrollTo(cell);
    QCoreApplication::processEvents();
    for (auto _ : state) {
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, grid.visualRect(cell).center());
        QCoreApplication::processEvents();
    }
}

}  // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    LargeSite large;
    site = &large;
    benchmark::RegisterBenchmark("OpenRoster", OpenRoster)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("PageThroughTheList", PageThroughTheList)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("WalkEveryWorker", WalkEveryWorker)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("ToggleASelection", ToggleASelection)->Unit(benchmark::kMillisecond);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
