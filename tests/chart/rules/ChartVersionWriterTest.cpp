#include "ChartVersionWriter.h"
#include "SiteFixture.h"
#include "db/Error.h"

namespace {

class ChartVersionWriterTest : public DemoSiteFixture
{
protected:
    static PlacedBox box(const char *code, int parent, int tier, QPoint cell, const QString &colour = {})
    {
        PlacedBox placed;
        placed.Box.ContractorCode = QLatin1String(code);
        placed.Box.CompanyName = QStringLiteral("業者") + QLatin1String(code);
        placed.Box.ParentCode = parent;
        placed.Box.Tier = tier;
        placed.Box.BoxColor = colour;
        placed.Cell = cell;
        return placed;
    }

    QStringList committedRows(const QString &date)
    {
        return committedColumn(
            QStringLiteral("Select GYOCD||':'||HTYCD||':'||UNUM||':'||LOCPG||'/'||LOCROW||'/'||LOCCOL"
                           "||':'||YOBIS1 from TAIKEI where KJCD = 1 and APDT = '%1' order by GYOCD")
                .arg(date));
    }

    ChartVersionWriter writer{transaction(), QStringLiteral("1"), ChartGrid(4, 4)};
    QList<PlacedBox> chart{box("1", 0, 0, {0, 0}), box("2", 1, 1, {1, 0}, QStringLiteral("clRed")),
                           box("3", 1, 1, {1, 5}, QStringLiteral("clBlack"))};
};

TEST_F(ChartVersionWriterTest, ARowHoldsItsEighteenValuesInTheTablesOrder)
{
    PlacedBox placed = box("7", 3, 2, {2, 5}, QStringLiteral("clAqua"));
    placed.Box.FrameStyle = 4;
    placed.Box.CompanyName.clear();
    const QVariantList values = writer.RowValues(QStringLiteral("2026/12/01"), placed, QStringLiteral("2026/11/01"),
                                                 QStringLiteral("2026/12/09"));
    ASSERT_EQ(values.size(), 18);
    QStringList shown;
    for (const QVariant &value : values)
        shown << (value.isNull() ? QStringLiteral("null") : value.toString());
    EXPECT_EQ(shown.join(','),
              QStringLiteral("1,2026/12/01,7,null,3,2,2,2,2,2026/11/01,2026/12/09,4,0,clAqua,null,null,null,null"));

    // No colour, black and colours the program does not offer are saved as button face.
    for (const QString &colour : {QString(), QStringLiteral("clBlack"), QStringLiteral("clOlive")})
        EXPECT_EQ(writer.RowValues({}, box("2", 1, 1, {1, 0}, colour), {}, {})[13].toString(),
                  QStringLiteral("clBtnFace"));
}

TEST_F(ChartVersionWriterTest, SavingUnderANewDateMovesTheVersionForEveryone)
{
    writer.Save(QStringLiteral("2026/12/01"), QStringLiteral("2026/10/01"), chart, QStringLiteral("2026/10/01"),
                QStringLiteral("2026/12/09"));
    EXPECT_TRUE(committedRows(QStringLiteral("2026/10/01")).isEmpty());
    EXPECT_EQ(committedRows(QStringLiteral("2026/12/01")),
              QStringList({QStringLiteral("1:0:0:1/1/0:clBtnFace"), QStringLiteral("2:1:1:1/1/1:clRed"),
                           QStringLiteral("3:1:1:2/2/1:clBtnFace")}));
    EXPECT_EQ(committedColumn(QStringLiteral("Select distinct CRDT||EDDT from TAIKEI where APDT = '2026/12/01'")),
              QStringList{QStringLiteral("2026/10/012026/12/09")});
    EXPECT_EQ(committedRows(QStringLiteral("2026/04/01")).size(), 7);
}

TEST_F(ChartVersionWriterTest, AFailedSaveLeavesTheStoredVersionsAsTheyWere)
{
    QList<PlacedBox> twice = chart;
    twice << box("2", 1, 1, {1, 1});
    EXPECT_THROW(writer.Save(QStringLiteral("2026/10/01"), QStringLiteral("2026/10/01"), twice, {}, {}), db::Error);
    EXPECT_EQ(column(QStringLiteral("Select count(*) from TAIKEI where APDT = '2026/10/01'")), QStringList{"7"});
    EXPECT_EQ(committedRows(QStringLiteral("2026/10/01")).size(), 7);
}

TEST_F(ChartVersionWriterTest, ADeletedVersionStaysDeletedWhenALaterSaveFails)
{
    writer.Delete(QStringLiteral("2026/04/01"));
    EXPECT_TRUE(committedRows(QStringLiteral("2026/04/01")).isEmpty());

    QList<PlacedBox> twice = chart;
    twice << box("3", 1, 1, {1, 1});
    EXPECT_THROW(writer.Save(QStringLiteral("2026/11/01"), QString(), twice, {}, {}), db::Error);
    EXPECT_EQ(column(QStringLiteral("Select count(*) from TAIKEI where APDT = '2026/04/01'")), QStringList{"0"});
    EXPECT_EQ(column(QStringLiteral("Select count(*) from TAIKEI where APDT = '2026/11/01'")), QStringList{"0"});
}

}  // namespace
