#include "DataModuleFixture.h"

namespace {

class DataModuleLookupTest : public DataModuleFixture
{
protected:
    void SetUp() override
    {
        DataModuleFixture::SetUp();
        createDatabase(SchemaVersion::V0_5);
        pointIniAtDatabase();
        ASSERT_TRUE(module.start(appDir()));
    }

    void run(const QStringList &statements)
    {
        for (const QString &sql : statements) {
            module.IBQuery1.setSql(sql);
            module.IBQuery1.exec();
        }
        module.IBTransaction1.commitRetaining();
    }

    QString contractorName(const QString &date)
    {
        QString value = QStringLiteral("unchanged");
        module.GetContractorItem(QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("CPNM"), date, value);
        return value;
    }

    TDataModule1 module;
};

TEST_F(DataModuleLookupTest, ValidVersionIsTheLatestNotLaterThanTheDateElseTheNewest)
{
    run({QStringLiteral("insert into GYOSYA (KJCD, GYOCD, APDT, CPNM) values (1, 2, '2009/04/01', '旧社名')"),
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
    EXPECT_FALSE(module.GetPrimeContractorItem(3, QStringLiteral("2009/05/15"), QStringLiteral("1"), value));
    EXPECT_EQ(value, QStringLiteral("kept"));
}

TEST_F(DataModuleLookupTest, WorkerAndPrimeContractorFollowTheSameRule)
{
    run({QStringLiteral("insert into TAISEI (KJCD, GYOCD, CPNM, HTYCD, UNUM, EFECT) values (1, 5, '元請', 0, 0, 1)"),
         QStringLiteral("insert into GYOSYA (KJCD, GYOCD, APDT, CPNM, GBNM, JGNM, ANNM) values (1, 5, '2009/04/01', "
                        "'元請建設', '代理人', '札幌支店', '安全者')"),
         QStringLiteral("insert into GYOSYA (KJCD, GYOCD, APDT, CPNM) values (1, 6, '2009/04/01', '他社')"),
         QStringLiteral("insert into SAGYOIN (KJCD, GYOCD, INCD, APDT, NAME) values (1, 5, 3, '2009/04/01', '山田')")});
    QString value;
    ASSERT_TRUE(module.GetPrimeContractorItem(1, QStringLiteral("2009/05/01"), QStringLiteral("1"), value));
    EXPECT_EQ(value, QStringLiteral("代理人"));
    module.GetPrimeContractorItem(2, QStringLiteral("2009/05/01"), QStringLiteral("1"), value);
    EXPECT_EQ(value, QStringLiteral("札幌支店"));
    module.GetPrimeContractorItem(3, QStringLiteral("2009/05/01"), QStringLiteral("1"), value);
    EXPECT_EQ(value, QStringLiteral("元請建設"));
    module.GetPrimeContractorItem(4, QStringLiteral("2009/05/01"), QStringLiteral("1"), value);
    EXPECT_EQ(value, QStringLiteral("安全者"));
    ASSERT_TRUE(module.GetWorkerItem(QStringLiteral("1"), QStringLiteral("5"), QStringLiteral("3"),
                                     QStringLiteral("NAME"), QStringLiteral("2000/01/01"), value));
    EXPECT_EQ(value, QStringLiteral("山田"));
}

TEST_F(DataModuleLookupTest, ColumnNamesCannotCarrySql)
{
    QString value;
    EXPECT_THROW(module.GetContractorItem(QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("CPNM from KOJI --"),
                                          QStringLiteral("2009/01/01"), value),
                 db::Error);
}

TEST_F(DataModuleLookupTest, WorkerCodesStartAtOneAndFollowTheLargest)
{
    EXPECT_EQ(module.NextWorkerCode(QStringLiteral("1"), QStringLiteral("2")), QStringLiteral("1"));
    run({QStringLiteral("insert into SAGYOIN (KJCD, GYOCD, INCD) values (1, 2, 1)"),
         QStringLiteral("insert into SAGYOIN (KJCD, GYOCD, INCD) values (1, 2, 7)"),
         QStringLiteral("insert into SAGYOIN (KJCD, GYOCD, INCD) values (1, 3, 20)")});
    EXPECT_EQ(module.NextWorkerCode(QStringLiteral("1"), QStringLiteral("2")), QStringLiteral("8"));
}

TEST_F(DataModuleLookupTest, DailyRecordsAndUseAreFound)
{
    EXPECT_FALSE(module.WorkerHasDailyRecords(QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")));
    EXPECT_FALSE(module.VehicleHasDailyRecords(QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("4")));
    EXPECT_FALSE(module.ContractorIsInUse(QStringLiteral("1"), QStringLiteral("2")));
    run({QStringLiteral("insert into DEZURA (KJCD, GYOCD, WKDT, INCD) values (1, 2, '2009/04/01', 3)"),
         QStringLiteral("insert into D_CARRY (KJCD, GYOCD, WKDT, CRCD) values (1, 2, '2009/04/01', 4)"),
         QStringLiteral("insert into TAIKEI (KJCD, APDT, GYOCD) values (1, '2009/04/01', 2)")});
    EXPECT_TRUE(module.WorkerHasDailyRecords(QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")));
    EXPECT_TRUE(module.VehicleHasDailyRecords(QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("4")));
    EXPECT_TRUE(module.ContractorIsInUse(QStringLiteral("1"), QStringLiteral("2")));
    EXPECT_FALSE(module.ContractorIsInUse(QStringLiteral("2"), QStringLiteral("2")));
    EXPECT_FALSE(module.ContractorIsInUse(QString(), QStringLiteral("2")));
}

TEST_F(DataModuleLookupTest, FirstTierNameClimbsTheConstructionSystem)
{
    run({QStringLiteral("insert into TAISEI (KJCD, GYOCD, CPNM, HTYCD, UNUM) values (1, 1, '元請', 0, 0)"),
         QStringLiteral("insert into TAISEI (KJCD, GYOCD, CPNM, HTYCD, UNUM) values (1, 2, '一次', 1, 1)"),
         QStringLiteral("insert into TAISEI (KJCD, GYOCD, CPNM, HTYCD, UNUM) values (1, 3, '二次', 2, 2)"),
         QStringLiteral("insert into TAISEI (KJCD, GYOCD, CPNM, HTYCD, UNUM) values (1, 4, '三次', 3, 3)"),
         QStringLiteral("insert into TAISEI (KJCD, GYOCD, CPNM, HTYCD, UNUM) values (1, 8, '環A', 9, 2)"),
         QStringLiteral("insert into TAISEI (KJCD, GYOCD, CPNM, HTYCD, UNUM) values (1, 9, '環B', 8, 2)")});
    EXPECT_EQ(module.GetFirstTierName(QStringLiteral("1"), QStringLiteral("4")), QStringLiteral("一次"));
    EXPECT_EQ(module.GetFirstTierName(QStringLiteral("1"), QStringLiteral("2")), QStringLiteral("一次"));
    EXPECT_EQ(module.GetFirstTierName(QStringLiteral("1"), QStringLiteral("1")), QStringLiteral("元請"));
    EXPECT_EQ(module.GetFirstTierName(QStringLiteral("1"), QStringLiteral("7")), QString());
    EXPECT_EQ(module.GetFirstTierName(QStringLiteral("1"), QStringLiteral("8")), QString());  // a circle ends
}

TEST_F(DataModuleLookupTest, UniqueKeyErrorsNameTheConstraint)
{
    run({QStringLiteral("insert into KOJI (KJCD, APDT) values (1, '2009/04/01')")});
    try {
        run({QStringLiteral("insert into KOJI (KJCD, APDT) values (1, '2009/04/01')")});
        FAIL();
    } catch (const db::Error &error) {
        module.IBTransaction1.rollbackRetaining();
        EXPECT_TRUE(error.message().contains(QLatin1String("UNIQUE")));
    }
}

}  // namespace
