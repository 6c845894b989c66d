// The roster's 作成 and 取込 through the program's own package dialogs: the archive a peer
// reads, and the same workers arriving in another site's database.

#include "PreparedDatabase.h"
#include "RosterFixture.h"
#include "SiteSql.h"
#include "UiInput.h"
#include "exchange/QtPackageDialogs.h"
#include "exchange/TExportForm.h"
#include "exchange/TImportForm.h"

#include <QComboBox>
#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTest>

using sorvik::package::PackageDialogs;

namespace {

// What a worker and a qualification carry from one site to another; the receiver starts
// its own selection, entry and training dates, and numbers its own images.
const QString kWorkerColumns = QStringLiteral(
    "INCD, NAME, FURI, BNDT, TYP, KIGO, KYDT, KKNUM, OLD, ADRS, TEL, FAMADD, FAMTEL, KKDT, PRESU, PRESL, BRED, BRRH,"
    " TKDT, TKNM, MENKYO, GINOKYO, TOKUKYO, KYONO, FMLE, YNG, ADVA, BARCDNO, ODRNO, CPNM");
const QString kQualificationColumns = QStringLiteral("INCD, KBN, SKNM, PRNM, SKNO, SKDT, YOBIS1, NAME, BNDT, CPNM");

// The demo site's roster (RosterFixture) through the program's package dialogs.
class TMeiboListFormExchangeTest : public RosterFixture
{
protected:
    void SetUp() override
    {
        RosterFixture::SetUp();
        m_previousDialogs = PackageDialogs::install(&m_dialogs);
        services.rosterExchange = &data;
    }
    void TearDown() override
    {
        PackageDialogs::install(m_previousDialogs);
        RosterFixture::TearDown();
    }

    std::unique_ptr<TMeiboListForm> open(const EditorContext &editor)
    {
        return openRoster(editor, QStringLiteral("2"));
    }

    QString file(const QString &name) const { return dir.filePath(name); }

    // The rows of contractor 2 in the database `path`, each as its columns joined by "|".
    static QString rows(const QString &path, const QString &columns, const QString &table, const QString &order)
    {
        QStringList values;
        for (const QString &column : columns.split(QStringLiteral(", ")))
            values << QStringLiteral("coalesce(cast(%1 as varchar(400)), '')").arg(column);
        const QString sql = QStringLiteral("Select %1 from %2 where KJCD = 1 and GYOCD = 2 order by %3")
                                .arg(values.join(QStringLiteral("||'|'||")), table, order);
        return ColumnValuesOnFile(path, sql).join(QLatin1Char('\n'));
    }

private:
    QtPackageDialogs m_dialogs;
    PackageDialogs *m_previousDialogs = nullptr;
};

// The members of `archive` as lhasa lists them.
QStringList lhasaMembers(const QString &archive)
{
    QProcess lhasa;
    lhasa.start(QStringLiteral("lhasa"), {QStringLiteral("l"), archive});
    lhasa.waitForFinished();
    QStringList members;
    for (const QString &line : QString::fromLocal8Bit(lhasa.readAllStandardOutput()).split(QLatin1Char('\n'))) {
        const QString name = line.section(QLatin1Char(' '), -1);
        if (name.endsWith(QStringLiteral(".LZH"), Qt::CaseInsensitive))
            members << name;
    }
    return members;
}

TEST_F(TMeiboListFormExchangeTest, TheSelectedWorkersTravelWithTheirQualificationsToAnotherSite)
{
    auto roster = open(context());
    const QString archive = file(QStringLiteral("meibo.lzh"));
    fileDialogs.answer(archive);
    modal.thenShow<TExportForm>([](TExportForm &dialog) { ClickButton(&dialog, "btnOK"); });
    QTest::mouseClick(roster->btnExport, Qt::LeftButton);
    const auto request = fileDialogs.asked().last().request;
    EXPECT_EQ(request.title, QStringLiteral("選択チェックした名簿をエクスポートします"));
    EXPECT_TRUE(request.fileName.startsWith(QStringLiteral("名簿_株式会社丸山土木_")));
    ASSERT_TRUE(QFile::exists(archive));
    if (!QStandardPaths::findExecutable(QStringLiteral("lhasa")).isEmpty())
        EXPECT_EQ(lhasaMembers(archive), QStringList({QStringLiteral("MEIBO1.LZH"), QStringLiteral("MEIBO2.LZH")}));
    roster.reset();

    // Another site: the same project and contractor, without their workers.
    QTemporaryDir other;
    const QString otherPath = other.filePath(QStringLiteral("other.fdb"));
    CopyPreparedDatabase(PreparedDatabase::Demo, otherPath);
    TDataModule1 otherData;
    otherData.IBDatabase1.setDatabaseName(otherPath);
    otherData.IBDatabase1.open();
    otherData.IBTransaction1.start();
    ExecuteCommitted(otherData.IBTransaction1,
                     {QStringLiteral("Delete from INSIKAKU where KJCD = 1 and GYOCD = 2"),
                      QStringLiteral("Delete from SAGYOIN where KJCD = 1 and GYOCD = 2")});
    ImageStore otherImages{otherData.IBTransaction1};
    RecordContext otherRecords = records();
    const EditorContext otherContext{{otherData.IBTransaction1, otherImages, otherRecords.Project,
                                      otherRecords.Settings, otherRecords.ImageRoot, otherRecords.WorkDate},
                                     services};
    services.rosterExchange = &otherData;

    auto receiver = open(otherContext);
    EXPECT_EQ(receiver->StatusBar1->currentMessage(), QStringLiteral("0 件選択されています."));
    fileDialogs.answer(archive);
    for (int package = 0; package < 2; ++package)
        modal.thenShow<TImportForm>([](TImportForm &dialog) { ClickButton(&dialog, "btnOK"); });
    QTest::mouseClick(receiver->btnImport, Qt::LeftButton);
    EXPECT_EQ(fileDialogs.asked().last().request.title,
              QStringLiteral("株式会社丸山土木 の作業員名簿ファイルを指定して下さい"));
    EXPECT_EQ(modal.unscripted(), 0);
    EXPECT_EQ(receiver->IBTable1.RecordCount(), 3);

    const QString workers = rows(databasePath(), kWorkerColumns, QStringLiteral("SAGYOIN"), QStringLiteral("INCD"));
    EXPECT_EQ(workers.count(QLatin1Char('\n')), 2);
    EXPECT_EQ(rows(otherPath, kWorkerColumns, QStringLiteral("SAGYOIN"), QStringLiteral("INCD")), workers);
    const QString qualifications
        = rows(databasePath(), kQualificationColumns, QStringLiteral("INSIKAKU"), QStringLiteral("INCD, INNO"));
    EXPECT_FALSE(qualifications.isEmpty());
    EXPECT_EQ(rows(otherPath, kQualificationColumns, QStringLiteral("INSIKAKU"), QStringLiteral("INCD, INNO")),
              qualifications);
    // Photos and certificate images arrive with the rows that name them.
    EXPECT_EQ(ColumnValuesOnFile(otherPath,
                                 QStringLiteral("Select count(*) from SAGYOIN where KJCD = 1 and GYOCD = 2"
                                                " and SDFL > ''")),
              committedColumn(QStringLiteral("Select count(*) from SAGYOIN where KJCD = 1 and GYOCD = 2"
                                             " and SDFL > ''")));
    receiver.reset();
    otherData.IBTransaction1.commit();
    otherData.IBDatabase1.close();
}

}  // namespace
