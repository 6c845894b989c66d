// Opening a project whose construction system holds many contractors: the time of
// LoadKoji, from the queries to the finished tree. Each contractor has two versions (a
// name change after the work date), so every caption is chosen by date.
//   build/bin/sorvik-tree-bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

#include "db/Query.h"
#include "program/AppContext.h"
#include "program/DataModule1.h"
#include "schema/SchemaBuilder.h"
#include "tree/ConstructionSystem.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cmath>
#include <map>
#include <memory>

namespace {

// A project of `contractors` contractors: a prime and a complete tree below it whose
// fan-out gives four tiers.
class Site
{
public:
    explicit Site(int contractors)
    {
        const QString path = m_dir.filePath(QStringLiteral("bench.fdb"));
        CreateSorvikDatabase(path);
        data.IBDatabase1.setDatabaseName(path);
        data.IBDatabase1.open();
        AppContext::instance().WorkDate = QDate(2026, 6, 1);
        fill(contractors);
    }

    TDataModule1 data;

private:
    void fill(int contractors)
    {
        const int fanOut = int(std::ceil(std::cbrt(double(contractors))));
        db::Query insert(data.IBTransaction1);
        insert.setSql(QStringLiteral("Insert into KOJI (KJCD, APDT, KJNM, STDT) values (1, '2026/04/01', "
                                     "'国道230号 道路改良工事', '2026/04/01')"));
        insert.exec();
        insert.setSql(QStringLiteral("Insert into GYOSYA (KJCD, GYOCD, APDT, CPNM) values (1, ?, ?, ?)"));
        for (int code = 1; code <= contractors; ++code) {
            insert.setParam(0, code);
            insert.setParam(1, QStringLiteral("2026/04/01"));
            insert.setParam(2, QStringLiteral("株式会社 業者%1").arg(code));
            insert.exec();
            insert.setParam(1, QStringLiteral("2026/10/01"));
            insert.setParam(2, QStringLiteral("株式会社 新業者%1").arg(code));
            insert.exec();
        }
        insert.setSql(QStringLiteral("Insert into TAISEI (KJCD, GYOCD, CPNM, HTYCD, UNUM, EFECT) "
                                     "values (1, ?, ?, ?, ?, 1)"));
        std::map<int, int> tier{{0, -1}};
        for (int code = 1; code <= contractors; ++code) {
            const int parent = code == 1 ? 0 : (code - 2) / fanOut + 1;
            tier[code] = tier[parent] + 1;
            insert.setParam(0, code);
            insert.setParam(1, QStringLiteral("株式会社 業者%1").arg(code));
            insert.setParam(2, parent);
            insert.setParam(3, tier[code]);
            insert.exec();
        }
        data.IBTransaction1.commitRetaining();
    }

    QTemporaryDir m_dir;
};

void OpenProject(benchmark::State &state)
{
    static std::map<int, std::unique_ptr<Site>> sites;
    const int contractors = int(state.range(0));
    auto &site = sites[contractors];
    if (!site)
        site = std::make_unique<Site>(contractors);
    ConstructionSystem system(site->data.IBTransaction1, AppContext::instance().Project());
    for (auto _ : state) {
        if (!system.LoadKoji(QStringLiteral("1")))
            state.SkipWithError("the project did not load");
    }
    state.counters["nodes"] = double(AppContext::instance().Project().Tree().size());
}

BENCHMARK(OpenProject)->Arg(1000)->Arg(5000)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
