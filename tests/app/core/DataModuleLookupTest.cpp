#include "SiteFixture.h"

namespace {

class DataModuleLookupTest : public SiteFixture
{
protected:
    QString contractorName(const QString &date)
    {
        QString value = QStringLiteral("unchanged");
        data.GetContractorItem(QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("CPNM"), date, value);
        return value;
    }
};

TEST_F(DataModuleLookupTest, ValidVersionIsTheLatestNotLaterThanTheDateElseTheNewest)
{
    execute({QStringLiteral("insert into GYOSYA (KJCD, GYOCD, APDT, CPNM) values (1, 2, '2009/04/01', '旧社名')"),
             QStringLiteral("insert into GYOSYA (KJCD, GYOCD, APDT, CPNM) values (1, 2, '2009/06/01', '新社名')")});
    EXPECT_EQ(contractorName(QStringLiteral("2009/05/15")), QStringLiteral("旧社名"));
    EXPECT_EQ(contractorName(QStringLiteral("2009/07/01")), QStringLiteral("新社名"));
    EXPECT_EQ(contractorName(QStringLiteral("2009/01/01")), QStringLiteral("新社名"));
    EXPECT_EQ(contractorName(QStringLiteral("2009/06/01")), QStringLiteral("新社名"));
}

TEST_F(DataModuleLookupTest, NoRowLeavesTheValueAsItWas)
{
    EXPECT_EQ(contractorName(QStringLiteral("2009/05/15")), QStringLiteral("unchanged"));
    QString value = QStringLiteral("kept");
    EXPECT_FALSE(data.GetPrimeContractorItem(3, QStringLiteral("2009/05/15"), QStringLiteral("1"), value));
    EXPECT_EQ(value, QStringLiteral("kept"));
}

TEST_F(DataModuleLookupTest, WorkerAndPrimeContractorFollowTheSameRule)
{
    execute(
        {QStringLiteral("insert into TAISEI (KJCD, GYOCD, CPNM, HTYCD, UNUM, EFECT) values (1, 5, '元請', 0, 0, 1)"),
         QStringLiteral("insert into GYOSYA (KJCD, GYOCD, APDT, CPNM, GBNM, JGNM, ANNM) values (1, 5, '2009/04/01', "
                        "'元請建設', '代理人', '札幌支店', '安全者')"),
         QStringLiteral("insert into GYOSYA (KJCD, GYOCD, APDT, CPNM) values (1, 6, '2009/04/01', '他社')"),
         QStringLiteral("insert into SAGYOIN (KJCD, GYOCD, INCD, APDT, NAME) values (1, 5, 3, '2009/04/01', '山田')")});
    QString value;
    ASSERT_TRUE(data.GetPrimeContractorItem(1, QStringLiteral("2009/05/01"), QStringLiteral("1"), value));
    EXPECT_EQ(value, QStringLiteral("代理人"));
    data.GetPrimeContractorItem(2, QStringLiteral("2009/05/01"), QStringLiteral("1"), value);
    EXPECT_EQ(value, QStringLiteral("札幌支店"));
    data.GetPrimeContractorItem(3, QStringLiteral("2009/05/01"), QStringLiteral("1"), value);
    EXPECT_EQ(value, QStringLiteral("元請建設"));
    data.GetPrimeContractorItem(4, QStringLiteral("2009/05/01"), QStringLiteral("1"), value);
    EXPECT_EQ(value, QStringLiteral("安全者"));
    ASSERT_TRUE(data.GetWorkerItem(QStringLiteral("1"), QStringLiteral("5"), QStringLiteral("3"),
                                   QStringLiteral("NAME"), QStringLiteral("2000/01/01"), value));
    EXPECT_EQ(value, QStringLiteral("山田"));
}

TEST_F(DataModuleLookupTest, ColumnNamesCannotCarrySql)
{
    QString value;
    EXPECT_THROW(data.GetContractorItem(QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("CPNM from KOJI --"),
                                        QStringLiteral("2009/01/01"), value),
                 db::Error);
}

TEST_F(DataModuleLookupTest, WorkerCodesStartAtOneAndFollowTheLargest)
{
    EXPECT_EQ(data.NextWorkerCode(QStringLiteral("1"), QStringLiteral("2")), QStringLiteral("1"));
    execute({QStringLiteral("insert into SAGYOIN (KJCD, GYOCD, INCD) values (1, 2, 1)"),
             QStringLiteral("insert into SAGYOIN (KJCD, GYOCD, INCD) values (1, 2, 7)"),
             QStringLiteral("insert into SAGYOIN (KJCD, GYOCD, INCD) values (1, 3, 20)")});
    EXPECT_EQ(data.NextWorkerCode(QStringLiteral("1"), QStringLiteral("2")), QStringLiteral("8"));
}

TEST_F(DataModuleLookupTest, DailyRecordsAreFound)
{
    EXPECT_FALSE(data.WorkerHasDailyRecords(QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")));
    EXPECT_FALSE(data.VehicleHasDailyRecords(QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("4")));
    execute({QStringLiteral("insert into DEZURA (KJCD, GYOCD, WKDT, INCD) values (1, 2, '2009/04/01', 3)"),
             QStringLiteral("insert into D_CARRY (KJCD, GYOCD, WKDT, CRCD) values (1, 2, '2009/04/01', 4)")});
    EXPECT_TRUE(data.WorkerHasDailyRecords(QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")));
    EXPECT_TRUE(data.VehicleHasDailyRecords(QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("4")));
    EXPECT_FALSE(data.WorkerHasDailyRecords(QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("4")));
    EXPECT_FALSE(data.VehicleHasDailyRecords(QStringLiteral("2"), QStringLiteral("2"), QStringLiteral("4")));
}

TEST_F(DataModuleLookupTest, ARowInAnyOfItsTablesAlonePutsAContractorInUse)
{
    const struct
    {
        const char *table;
        const char *row;
    } uses[] = {
        {"TAISEI", "insert into TAISEI (KJCD, GYOCD, CPNM, HTYCD, UNUM) values (1, 2, '一次', 1, 1)"},
        {"TAIKEI", "insert into TAIKEI (KJCD, APDT, GYOCD) values (1, '2009/04/01', 2)"},
        {"SAGYOIN", "insert into SAGYOIN (KJCD, GYOCD, INCD) values (1, 2, 1)"},
    };
    for (const auto &use : uses) {
        SCOPED_TRACE(use.table);
        EXPECT_FALSE(data.ContractorIsInUse(QStringLiteral("1"), QStringLiteral("2")));
        execute({QLatin1String(use.row)});
        EXPECT_TRUE(data.ContractorIsInUse(QStringLiteral("1"), QStringLiteral("2")));
        EXPECT_FALSE(data.ContractorIsInUse(QStringLiteral("1"), QStringLiteral("3")));
        EXPECT_FALSE(data.ContractorIsInUse(QStringLiteral("2"), QStringLiteral("2")));
        EXPECT_FALSE(data.ContractorIsInUse(QString(), QStringLiteral("2")));
        execute({QStringLiteral("delete from %1").arg(QLatin1String(use.table))});
    }
}

TEST_F(DataModuleLookupTest, FirstTierNameClimbsTheConstructionSystem)
{
    execute({QStringLiteral("insert into TAISEI (KJCD, GYOCD, CPNM, HTYCD, UNUM) values (1, 1, '元請', 0, 0)"),
             QStringLiteral("insert into TAISEI (KJCD, GYOCD, CPNM, HTYCD, UNUM) values (1, 2, '一次', 1, 1)"),
             QStringLiteral("insert into TAISEI (KJCD, GYOCD, CPNM, HTYCD, UNUM) values (1, 3, '二次', 2, 2)"),
             QStringLiteral("insert into TAISEI (KJCD, GYOCD, CPNM, HTYCD, UNUM) values (1, 4, '三次', 3, 3)"),
             QStringLiteral("insert into TAISEI (KJCD, GYOCD, CPNM, HTYCD, UNUM) values (1, 8, '環A', 9, 2)"),
             QStringLiteral("insert into TAISEI (KJCD, GYOCD, CPNM, HTYCD, UNUM) values (1, 9, '環B', 8, 2)")});
    EXPECT_EQ(data.GetFirstTierName(QStringLiteral("1"), QStringLiteral("4")), QStringLiteral("一次"));
    EXPECT_EQ(data.GetFirstTierName(QStringLiteral("1"), QStringLiteral("2")), QStringLiteral("一次"));
    EXPECT_EQ(data.GetFirstTierName(QStringLiteral("1"), QStringLiteral("1")), QStringLiteral("元請"));
    EXPECT_EQ(data.GetFirstTierName(QStringLiteral("1"), QStringLiteral("7")), QString());
    EXPECT_EQ(data.GetFirstTierName(QStringLiteral("1"), QStringLiteral("8")), QString());  // a circle ends
}

TEST_F(DataModuleLookupTest, UniqueKeyErrorsNameTheConstraint)
{
    execute({QStringLiteral("insert into KOJI (KJCD, APDT) values (1, '2009/04/01')")});
    try {
        execute({QStringLiteral("insert into KOJI (KJCD, APDT) values (1, '2009/04/01')")});
        FAIL();
    } catch (const db::Error &error) {
        data.IBTransaction1.rollbackRetaining();
        EXPECT_TRUE(error.message().contains(QLatin1String("UNIQUE")));
    }
}

}  // namespace
