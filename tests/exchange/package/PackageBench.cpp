// Unloads and loads a unit of 1 000 workers with 5 000 qualifications and 200 photos, and
// prints the times. Goal: each under 2 s.
//   build/tests/exchange-package-bench [--runs N]

#include "program/AppContext.h"
#include "PackageTestSupport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <cstdio>

using namespace sorvik::package;

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 2 && QString(argv[1]) == "--runs" ? QString(argv[2]).toInt() : 3;
    QTemporaryDir appDir;
    AppContext::instance().AppDir = appDir.path() + "/";
    AppContext::instance().CompanyName = "株式会社北辰建設";
    ScriptedMessageService messages;
    ScriptedPackageDialogs dialogs;
    PackageSite site(dialogs, true);

    site.execute("Insert into KOJI (KJCD, APDT, KJNM) values(1, '2026/04/01', '国道230号 道路改良工事')");
    db::Query insert(site.data.IBTransaction1);
    QByteArray photo(40 * 1024, '\0');
    for (int worker = 1; worker <= 1000; ++worker) {
        const int contractor = 1 + worker % 20;
        QString image = "NULL";
        if (worker % 5 == 0) {
            for (char &byte : photo)
                byte = char(QRandomGenerator::global()->bounded(256));
            image = "'" + site.storeImage(0, photo) + "'";
        }
        insert.setSql(
            QStringLiteral("Insert into SAGYOIN (KJCD, GYOCD, INCD, NAME, FURI, BNDT, CPNM, ADRS, TEL, TYP, SEL, "
                           "SDFL) values(1, %1, %2, '作業員 %2', 'ｻｷﾞｮｳｲﾝ', '1980/04/02', '株式会社丸山土木', "
                           "'札幌市南区川沿%2条1丁目', '011-555-%2', '土工,重機', 1, %3)")
                .arg(contractor)
                .arg(worker)
                .arg(image));
        insert.exec();
        for (int q = 1; q <= 5; ++q) {
            insert.setSql(
                QStringLiteral("Insert into INSIKAKU (INNO, KJCD, GYOCD, INCD, CPNM, NAME, BNDT, KBN, PRNM, "
                               "SKNM, SKNO, SKDT) values(0, 1, %1, %2, '株式会社丸山土木', '作業員 %2', "
                               "'1980/04/02', %3, '資格%3', '車両系建設機械運転技能講習', '第%2号', '2001/05/01')")
                    .arg(contractor)
                    .arg(worker)
                    .arg(q % 3 + 1));
            insert.exec();
        }
    }
    site.data.IBTransaction1.commitRetaining();

    const QString unit = appDir.filePath("bench.ldf");
    for (int run = 1; run <= runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        if (!site.exchange.UnloadUnit("1", unit))
            return 1;
        const qint64 unload = timer.restart();
        if (!site.exchange.LoadUnit(QString::number(run + 1), unit))
            return 1;
        const qint64 load = timer.elapsed();
        std::printf("run %d: unload %lld ms, load %lld ms (unit %lld bytes)\n", run, (long long)unload, (long long)load,
                    (long long)QFileInfo(unit).size());
    }
    return 0;
}
