#include "ChartReader.h"
#include "SiteFixture.h"

namespace {

// The demo's road project: prime 1; 2 and 3 on the first tier; 4 and 5 under 2; 6 under 4;
// 7 under 3. Contractor 5 changed its name on 2026/10/01.
class ChartReaderTest : public DemoSiteFixture
{
protected:
    std::optional<ChartRead> read(ChartSource source, const QString &date, const QString &project = "1")
    {
        return ReadChart(transaction(), project, source, date, QStringLiteral("2026/12/09"));
    }

    static QStringList codes(const ChartRead &chart)
    {
        QStringList codes;
        for (const ChartEntry &entry : chart.Entries)
            codes << entry.Box.ContractorCode;
        return codes;
    }
    static QString name(const ChartRead &chart, const QString &code)
    {
        for (const ChartEntry &entry : chart.Entries)
            if (entry.Box.ContractorCode == code)
                return entry.Box.CompanyName;
        return QStringLiteral("<none>");
    }
};

TEST_F(ChartReaderTest, TheConstructionSystemIsReadDepthFirstWithParticularsOfTheDate)
{
    const std::optional<ChartRead> chart = read(ChartSource::ConstructionSystem, QStringLiteral("2026/06/01"));
    ASSERT_TRUE(chart);
    EXPECT_EQ(codes(*chart), QString("1,2,4,6,5,3,7").split(','));
    QStringList shape;
    for (const ChartEntry &entry : chart->Entries)
        shape << QStringLiteral("%1<%2:%3/%4")
                     .arg(entry.Box.ContractorCode)
                     .arg(entry.ParentIndex)
                     .arg(entry.Box.ParentCode)
                     .arg(entry.Box.Tier);
    EXPECT_EQ(shape, QString("1<-1:0/0,2<0:1/1,4<1:2/2,6<2:4/3,5<1:2/2,3<0:1/1,7<5:3/2").split(','));
    EXPECT_EQ(chart->CreatedOn, QStringLiteral("2026/12/09"));
    EXPECT_FALSE(chart->Entries[1].Saved);

    const ChartBox &maruyama = chart->Entries[1].Box;
    EXPECT_EQ(maruyama.CompanyName, QStringLiteral("株式会社丸山土木"));
    EXPECT_EQ(maruyama.WorkContent, QStringLiteral("土工事・排水構造物工事"));
    EXPECT_EQ(maruyama.SafetyManager, QStringLiteral("丸山 翔太"));
    EXPECT_EQ(maruyama.ChiefEngineer, QStringLiteral("丸山 翔太"));
    EXPECT_EQ(maruyama.StartDate, QDate(2026, 4, 20));
    EXPECT_EQ(maruyama.EndDate, QDate(2027, 2, 26));
    EXPECT_EQ(maruyama.FrameStyle, 0);
    EXPECT_TRUE(maruyama.BoxColor.isEmpty());

    EXPECT_EQ(name(*chart, "5"), QStringLiteral("千歳鉄筋工業所"));
    EXPECT_EQ(name(*read(ChartSource::ConstructionSystem, "2026/12/01"), "5"), QStringLiteral("株式会社千歳鉄筋"));
    // Without a date, and before every version, the newest particulars count.
    EXPECT_EQ(name(*read(ChartSource::ConstructionSystem, ""), "5"), QStringLiteral("株式会社千歳鉄筋"));
    EXPECT_EQ(name(*read(ChartSource::ConstructionSystem, "2020/01/01"), "5"), QStringLiteral("株式会社千歳鉄筋"));
}

TEST_F(ChartReaderTest, OnlyContractorsInEffectAndTheirSubtreesAreCharted)
{
    execute({QStringLiteral("Update TAISEI set EFECT = 0 where KJCD = 1 and GYOCD = 4"),
             QStringLiteral(
                 "Insert into TAISEI (KJCD, GYOCD, CPNM, HTYCD, UNUM, EFECT) values (1, 9, '新参業者', 3, 2, 1)"),
             QStringLiteral("Insert into TAISEI (KJCD, GYOCD, CPNM, HTYCD, UNUM, EFECT)"
                            " values (1, 10, '宙に浮いた業者', 99, 1, 1)")});
    const std::optional<ChartRead> chart = read(ChartSource::ConstructionSystem, "2026/06/01");
    ASSERT_TRUE(chart);
    EXPECT_EQ(codes(*chart), QString("1,2,5,3,7,9").split(','));
    // A contractor without particulars keeps what the construction system names it.
    EXPECT_EQ(name(*chart, "9"), QStringLiteral("新参業者"));
    EXPECT_TRUE(chart->Entries.last().Box.WorkContent.isEmpty());
}

TEST_F(ChartReaderTest, FromAttendanceEveryContractorAboveMustHaveAttendedToo)
{
    QStringList attended;
    for (const char *code : {"3", "7", "4", "6"})
        attended << QStringLiteral("Insert into DEZURA (KJCD, GYOCD, WKDT, INCD) values (1, %1, '2026/07/01', 1)")
                        .arg(QLatin1String(code));
    attended << QStringLiteral("Insert into DEZURA (KJCD, GYOCD, WKDT, INCD) values (1, 2, '2026/07/02', 1)");
    execute(attended);

    EXPECT_EQ(codes(*read(ChartSource::Attendance, "2026/07/01")), QString("1,3,7").split(','));
    EXPECT_EQ(codes(*read(ChartSource::Attendance, "2026/07/02")), QString("1,2").split(','));
    EXPECT_EQ(codes(*read(ChartSource::Attendance, "2026/07/03")), QStringList{"1"});
}

TEST_F(ChartReaderTest, ASavedVersionKeepsItsCellsLookAndCreationDate)
{
    const std::optional<ChartRead> chart = read(ChartSource::SavedVersion, "2026/10/01");
    ASSERT_TRUE(chart);
    EXPECT_EQ(codes(*chart), QString("1,2,4,6,5,3,7").split(','));
    EXPECT_EQ(chart->CreatedOn, QStringLiteral("2026/10/01"));
    const ChartEntry &paving = chart->Entries[5];
    EXPECT_EQ(paving.Saved, (StoredCell{1, 3, 1}));
    EXPECT_EQ(paving.Box.BoxColor, QStringLiteral("clBlue"));
    EXPECT_EQ(paving.Box.FrameStyle, 3);
    EXPECT_EQ(paving.Box.Tier, 1);
    EXPECT_EQ(paving.Box.ParentCode, 1);
    EXPECT_EQ(paving.ParentIndex, 0);
    EXPECT_EQ(name(*chart, "5"), QStringLiteral("株式会社千歳鉄筋"));
    EXPECT_EQ(read(ChartSource::SavedVersion, "2026/04/01")->Entries[5].Saved, (StoredCell{2, 1, 1}));
}

TEST_F(ChartReaderTest, NothingIsBuiltWithoutAPrimeContractor)
{
    EXPECT_FALSE(read(ChartSource::ConstructionSystem, "2026/06/01", "2"));
    EXPECT_FALSE(read(ChartSource::Attendance, "2026/06/01", "2"));
    EXPECT_FALSE(read(ChartSource::SavedVersion, "2026/05/01"));
}

TEST_F(ChartReaderTest, DamagedRowsThatLeadBackAreChartedOnce)
{
    // A prime contractor stored with code 0 would be its own child.
    execute(
        {QStringLiteral("Insert into TAISEI (KJCD, GYOCD, CPNM, HTYCD, UNUM, EFECT) values (2, 0, '元請', 0, 0, 1)"),
         QStringLiteral("Insert into TAISEI (KJCD, GYOCD, CPNM, HTYCD, UNUM, EFECT) values (2, 3, '型枠', 0, 1, 1)")});
    const std::optional<ChartRead> chart = read(ChartSource::ConstructionSystem, "", "2");
    ASSERT_TRUE(chart);
    EXPECT_EQ(codes(*chart), QString("0,3").split(','));
    EXPECT_EQ(name(*chart, "3"), QStringLiteral("株式会社札幌型枠"));
}

TEST_F(ChartReaderTest, ParticularsValidAtADate)
{
    ChartBox box;
    box.ContractorCode = QStringLiteral("5");
    ReadParticulars(transaction(), QStringLiteral("1"), QStringLiteral("2026/09/30"), box);
    EXPECT_EQ(box.CompanyName, QStringLiteral("千歳鉄筋工業所"));
    EXPECT_EQ(box.EndDate, QDate(2026, 11, 30));
    ReadParticulars(transaction(), QStringLiteral("1"), QStringLiteral("2026/10/01"), box);
    EXPECT_EQ(box.CompanyName, QStringLiteral("株式会社千歳鉄筋"));
    EXPECT_EQ(box.EndDate, QDate(2026, 12, 18));

    box.ContractorCode = QStringLiteral("42");
    ReadParticulars(transaction(), QStringLiteral("1"), QString(), box);
    EXPECT_EQ(box.CompanyName, QStringLiteral("株式会社千歳鉄筋"));
}

}  // namespace
