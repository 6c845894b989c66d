// sorvik-print-bench: times the two roster documents on a large site, from the database to
// a PDF file: a roster of 1 000 workers (100 pages) and the cards of 100 workers, each with
// a photo and three certificate pictures. A timed tool, not a test.
//   sorvik-print-bench [DATABASE]   keeps the site in DATABASE for timing sorvik-print by hand
#include "Celvane.h"
#include "DocumentRenderer.h"
#include "barcode/StriluxControl.h"
#include "barcode/StriluxLibrary.h"
#include "db/Query.h"
#include "demo/DemoSite.h"
#include "framework/PrintSettings.h"
#include "program/DataModule1.h"
#include "roster/RosterDocument.h"
#include "roster/WorkerCardsDocument.h"
#include "schema/SchemaBuilder.h"

#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTextStream>

using namespace sorvik::documents;

namespace {

constexpr int kRosterWorkers = 1000;
constexpr int kCardWorkers = 100;
constexpr int kRuns = 3;

void exec(db::Transaction &transaction, const QString &sql)
{
    db::Query query(transaction);
    query.setSql(sql);
    query.exec();
}

// Contractor 2 gets 1 000 marked workers copied from its first worker; contractor 3 gets
// 100, each with the photo of its first worker and three qualifications with certificates.
void buildSite(const QString &path)
{
    CreateSorvikDatabase(path);
    db::Database database;
    database.setDatabaseName(path);
    database.open();
    db::Transaction transaction(database);
    FillDemoSite(transaction);
    exec(transaction, QStringLiteral("Update SAGYOIN set SEL = 0 where KJCD = 1"));
    const auto copyWorkers = [&](int gyoCode, int count) {
        for (int n = 1; n <= count; ++n)
            exec(transaction,
                 QStringLiteral(
                     "Insert into SAGYOIN (KJCD, GYOCD, INCD, ODRNO, NAME, FURI, BNDT, TYP, KIGO, KYDT, KKNUM,"
                     " OLD, ADRS, TEL, FAMADD, FAMTEL, KKDT, PRESL, PRESU, BRED, BRRH, INDT, UKDT, MENKYO,"
                     " GINOKYO, TOKUKYO, KYONO, SEL, SDFL) Select KJCD, GYOCD, %2, %2, NAME || ' %2', FURI, BNDT,"
                     " TYP, KIGO, KYDT, KKNUM, OLD, ADRS, TEL, FAMADD, FAMTEL, KKDT, PRESL, PRESU, BRED, BRRH,"
                     " INDT, UKDT, MENKYO, GINOKYO, TOKUKYO, KYONO, 1, SDFL from SAGYOIN"
                     " where KJCD = 1 and GYOCD = %1 and INCD = 1")
                     .arg(gyoCode)
                     .arg(100 + n));
    };
    copyWorkers(2, kRosterWorkers);
    copyWorkers(3, kCardWorkers);
    exec(transaction,
         QStringLiteral("Insert into INSIKAKU (INNO, KJCD, GYOCD, INCD, KBN, PRNM, SKNM, SKNO, SKDT, YOBIS1,"
                        " YOBIS2) Select 0, S.KJCD, S.GYOCD, S.INCD, I.KBN, I.PRNM, I.SKNM, I.SKNO, I.SKDT,"
                        " I.YOBIS1, I.YOBIS2 from SAGYOIN S, INSIKAKU I where S.KJCD = 1 and S.GYOCD = 3"
                        " and S.INCD > 100 and I.KJCD = 1 and I.GYOCD = 6 and I.INCD = 2 and I.INNO in"
                        " (Select first 3 INNO from INSIKAKU where KJCD = 1 and GYOCD = 6 and INCD = 2"
                        " order by INNO)"));
    transaction.commit();
}

RosterChoices choices(int gyoCode, const QString &label)
{
    RosterChoices choices;
    choices.kojiCode = QStringLiteral("1");
    choices.gyoCode = QString::number(gyoCode);
    choices.contractorLabel = label;
    choices.level = 1;
    choices.date = QDate(2026, 6, 1);
    return choices;
}

// The best of a few runs: the document built, then its pages written as PDF.
template<typename Build> void time(QTextStream &out, const QString &name, const QString &pdf, Build build)
{
    qint64 bestBuild = -1, bestTotal = -1;
    int pages = 0;
    for (int run = 0; run < kRuns; ++run) {
        celvane::Celvane engine;
        QElapsedTimer timer;
        timer.start();
        build(engine);
        const qint64 built = timer.elapsed();
        const celvane::DocumentRenderer renderer(engine.finishedDocument());
        renderer.savePdf(pdf);
        const qint64 total = timer.elapsed();
        pages = renderer.pageCount();
        if (bestTotal < 0 || total < bestTotal) {
            bestTotal = total;
            bestBuild = built;
        }
    }
    out << name << ": " << pages << " pages, " << bestTotal << " ms to PDF (" << bestBuild
        << " ms filling the template), best of " << kRuns << '\n';
}

}  // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream out(stdout);
    QTemporaryDir work;
    const QStringList arguments = app.arguments();
    const QString path = arguments.size() > 1 ? arguments[1] : work.filePath(QStringLiteral("bench.fdb"));
    if (QFileInfo::exists(path)) {
        out << "sorvik-print-bench: " << path << " exists already\n";
        return 1;
    }
    buildSite(path);
    out << "Site with " << kRosterWorkers << " roster workers and " << kCardWorkers << " card workers: " << path
        << '\n';

    TDataModule1 data;
    data.IBDatabase1.setDatabaseName(path);
    data.IBDatabase1.open();
    data.IBTransaction1.start();
    PrintSettings settings;
    settings.templateFolder = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("rpt")) + u'/';
    QString problem;
    const std::unique_ptr<StriluxControl> barcode
        = StriluxLibrary::createControl(StriluxLibrary::defaultPath(), problem);
    if (!barcode)
        out << "without barcodes: " << problem << '\n';

    time(out, QStringLiteral("roster"), work.filePath(QStringLiteral("roster.pdf")), [&](celvane::Celvane &engine) {
        RosterDocument(data, settings, choices(2, QStringLiteral("株式会社丸山土木"))).Build(engine);
    });
    time(out, QStringLiteral("cards"), work.filePath(QStringLiteral("cards.pdf")), [&](celvane::Celvane &engine) {
        WorkerCardsDocument(data, settings, choices(3, QStringLiteral("道央舗装株式会社")), barcode.get())
            .Build(engine);
    });
    return 0;
}
