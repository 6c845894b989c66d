#include "SiteFixture.h"

#include "data/Abort.h"
#include "data/DataField.h"
#include "data/DataSetObserver.h"
#include "data/DataSource.h"
#include "data/TableDataSet.h"
#include "db/Error.h"

#include <QObject>
#include <gtest/gtest.h>

namespace {

// Records every event of a table dataset and its data source in the order they come.
class EventLog : private DataSetObserver
{
public:
    explicit EventLog(TableDataSet &table)
    {
        auto log
            = [this](const char *name) { return [this, name](DataSet &) { events << QString::fromLatin1(name); }; };
        table.AfterOpen = log("AfterOpen");
        table.BeforeScroll = log("BeforeScroll");
        table.AfterScroll = log("AfterScroll");
        table.BeforeInsert = log("BeforeInsert");
        table.AfterInsert = log("AfterInsert");
        table.BeforeEdit = log("BeforeEdit");
        table.AfterEdit = log("AfterEdit");
        table.BeforePost = log("BeforePost");
        table.AfterPost = log("AfterPost");
        table.BeforeCancel = log("BeforeCancel");
        table.AfterCancel = log("AfterCancel");
        table.BeforeDelete = log("BeforeDelete");
        table.AfterDelete = log("AfterDelete");
        source.setDataSet(&table);
        source.addObserver(this);
    }

    QStringList take()
    {
        QStringList taken = events;
        events.clear();
        return taken;
    }

    QStringList events;
    DataSource source;

private:
    void DataSetStateChanged() override { events << QStringLiteral("stateChanged"); }
    void DataSetDataChanged(int field) override
    {
        if (field < 0)
            events << QStringLiteral("dataChanged");
    }
    void DataSetUpdatingRecord() override { events << QStringLiteral("updatingRecord"); }
    void DataSetPosted() override { events << QStringLiteral("posted"); }
};

class TableDataSetTest : public SiteFixture
{
protected:
    void addKoji(int code, const QString &apdt, const QString &name)
    {
        exec(QStringLiteral("insert into KOJI (KJCD, APDT, KJNM) values (%1, '%2', '%3')").arg(code).arg(apdt, name));
    }

    void openKoji(const QString &filter = {})
    {
        koji.SetTableName(QStringLiteral("koji"));
        koji.SetFilter(filter);
        koji.Open();
    }

    QString name() { return koji.FieldByName(QStringLiteral("KJNM")).AsString(); }

    TableDataSet koji{data.IBTransaction1};
};

TEST_F(TableDataSetTest, AppendRunsBeforeScrollBeforeAfterInsertSoTheOldRowCanBeCarriedOver)
{
    addKoji(1, QStringLiteral("2009/04/01"), QStringLiteral("旧工事"));
    openKoji();
    EventLog log(koji);
    QString carried;
    koji.BeforeScroll = [&](DataSet &d) {
        log.events << "BeforeScroll";
        carried = d.FieldByName("KJNM").AsString();
    };
    koji.AfterInsert = [&](DataSet &d) {
        log.events << "AfterInsert";
        d.FieldByName("KJNM").SetAsString(carried);
    };
    koji.Append();
    EXPECT_EQ(
        log.take(),
        (QStringList{"BeforeInsert", "BeforeScroll", "stateChanged", "AfterInsert", "AfterScroll", "dataChanged"}));
    EXPECT_EQ(koji.State(), DataSetState::Insert);
    EXPECT_EQ(name(), QStringLiteral("旧工事"));
}

TEST_F(TableDataSetTest, PostWritesInsertThenUpdateWithTheEventsInOrder)
{
    openKoji();
    EventLog log(koji);
    koji.Append();
    log.take();
    koji.FieldByName("KJCD").SetAsInteger(3);
    koji.FieldByName("APDT").SetAsString("2010/01/01");
    koji.FieldByName("KJNM").SetAsString("新築工事");
    koji.Post();
    EXPECT_EQ(log.take(),
              (QStringList{"updatingRecord", "BeforePost", "stateChanged", "AfterPost", "posted", "dataChanged"}));
    EXPECT_EQ(scalar("select KJNM from KOJI where KJCD = 3"), QStringLiteral("新築工事"));

    koji.Edit();
    EXPECT_EQ(log.take(), (QStringList{"BeforeEdit", "stateChanged", "AfterEdit"}));
    koji.FieldByName("APDT").SetAsString("2010/02/01");  // a key column: the row is found by its old key
    koji.FieldByName("KJNY").SetAsString("");
    koji.Post();
    EXPECT_EQ(scalar("select APDT from KOJI where KJCD = 3"), QStringLiteral("2010/02/01"));
    EXPECT_EQ(scalar("select count(*) from KOJI where KJNY is null"), QStringLiteral("1"));
}

TEST_F(TableDataSetTest, EmptyTextIsStoredAsNullAndNumbersAreChecked)
{
    openKoji();
    koji.Append();
    koji.FieldByName("KJCD").SetAsString(" 5 ");
    koji.FieldByName("APDT").SetAsString("2010/01/01");
    koji.FieldByName("KJNM").SetAsString("");
    koji.FieldByName("JV").SetAsString("");
    EXPECT_TRUE(koji.FieldByName("KJNM").IsNull());
    EXPECT_THROW(koji.FieldByName("JV").SetAsString("x1"), db::Error);
    koji.Post();
    EXPECT_EQ(scalar("select count(*) from KOJI where KJCD = 5 and KJNM is null and JV is null"), "1");
}

TEST_F(TableDataSetTest, WritingOutsideEditIsRefused)
{
    addKoji(1, "2009/04/01", "a");
    openKoji();
    EXPECT_THROW(koji.FieldByName("KJNM").SetAsString("b"), db::Error);
    EXPECT_THROW(koji.FieldByName("NOSUCH"), db::Error);
}

TEST_F(TableDataSetTest, BeforePostAbortKeepsTheRecordInEditWithItsText)
{
    addKoji(1, "2009/04/01", "元の名前");
    openKoji();
    koji.BeforePost = [](DataSet &d) {
        if (d.FieldByName("KJNM").AsString().isEmpty())
            Abort();
    };
    koji.Edit();
    koji.FieldByName("KJNM").SetAsString("");
    koji.FieldByName("KJNY").SetAsString("内容");
    EXPECT_THROW(koji.Post(), EAbort);
    EXPECT_EQ(koji.State(), DataSetState::Edit);
    EXPECT_EQ(koji.FieldByName("KJNY").AsString(), QStringLiteral("内容"));
    EXPECT_EQ(scalar("select KJNM from KOJI"), QStringLiteral("元の名前"));
    // Moving posts first, so a refused post also stops the move.
    EXPECT_THROW(koji.Next(), EAbort);
    EXPECT_EQ(koji.State(), DataSetState::Edit);
}

TEST_F(TableDataSetTest, PostErrorWithUniqueCanBecomeAMessageWhileTheRecordStaysInInsert)
{
    addKoji(1, "2009/04/01", "a");
    openKoji("KJCD=1");
    QString seen;
    koji.OnPostError = [&](DataSet &, const db::Error &error, DataAction &action) {
        seen = error.message();
        if (seen.contains("UNIQUE"))
            action = DataAction::Abort;
    };
    koji.Append();
    koji.FieldByName("KJCD").SetAsInteger(1);
    koji.FieldByName("APDT").SetAsString("2009/04/01");
    koji.FieldByName("KJNM").SetAsString("改訂");
    EXPECT_THROW(koji.Post(), EAbort);
    EXPECT_TRUE(seen.contains("UNIQUE")) << seen.toStdString();
    EXPECT_EQ(koji.State(), DataSetState::Insert);
    EXPECT_EQ(name(), QStringLiteral("改訂"));
    koji.FieldByName("APDT").SetAsString("2009/05/01");
    koji.Post();
    EXPECT_EQ(scalar("select count(*) from KOJI"), "2");
}

TEST_F(TableDataSetTest, PostErrorLeftToFailRaisesTheDatabaseText)
{
    addKoji(1, "2009/04/01", "a");
    openKoji();
    koji.Append();
    koji.FieldByName("KJCD").SetAsInteger(1);
    koji.FieldByName("APDT").SetAsString("2009/04/01");
    try {
        koji.Post();
        FAIL() << "duplicate key accepted";
    } catch (const db::Error &error) {
        EXPECT_TRUE(error.message().contains("UNIQUE")) << error.message().toStdString();
    }
    EXPECT_EQ(koji.State(), DataSetState::Insert);
}

TEST_F(TableDataSetTest, BofAndEofFollowEveryMove)
{
    openKoji();
    EXPECT_TRUE(koji.Bof());
    EXPECT_TRUE(koji.Eof());
    koji.Close();
    addKoji(1, "2009/01/01", "一");
    addKoji(1, "2009/02/01", "二");
    addKoji(1, "2009/03/01", "三");
    openKoji();
    EXPECT_TRUE(koji.Bof());
    EXPECT_FALSE(koji.Eof());
    EXPECT_EQ(name(), "一");
    koji.Next();
    EXPECT_FALSE(koji.Bof());
    EXPECT_FALSE(koji.Eof());
    koji.Last();
    EXPECT_FALSE(koji.Bof());
    EXPECT_TRUE(koji.Eof());
    EXPECT_EQ(name(), "三");
    koji.Prior();
    EXPECT_FALSE(koji.Eof());
    koji.Next();
    koji.Next();  // past the end: stays on the last row
    EXPECT_TRUE(koji.Eof());
    EXPECT_EQ(name(), "三");
    koji.First();
    EXPECT_TRUE(koji.Bof());
    EXPECT_FALSE(koji.Eof());
    koji.Prior();
    EXPECT_TRUE(koji.Bof());
    EXPECT_EQ(name(), "一");
}

TEST_F(TableDataSetTest, EveryMoveFiresBeforeAndAfterScrollAndMovingWhileEditingPostsFirst)
{
    addKoji(1, "2009/01/01", "一");
    addKoji(1, "2009/02/01", "二");
    openKoji();
    EventLog log(koji);
    koji.Next();
    EXPECT_EQ(log.take(), (QStringList{"BeforeScroll", "AfterScroll", "dataChanged"}));
    koji.Edit();
    koji.FieldByName("KJNM").SetAsString("二改");
    log.take();
    koji.First();
    EXPECT_EQ(log.take(),
              (QStringList{"updatingRecord", "BeforePost", "stateChanged", "AfterPost", "posted", "dataChanged",
                           "BeforeScroll", "AfterScroll", "dataChanged"}));
    EXPECT_EQ(scalar("select KJNM from KOJI where APDT = '2009/02/01'"), "二改");
}

TEST_F(TableDataSetTest, CancelAfterInsertReturnsToThePreviousRecord)
{
    addKoji(1, "2009/01/01", "一");
    addKoji(1, "2009/02/01", "二");
    addKoji(1, "2009/03/01", "三");
    openKoji();
    koji.Next();
    EventLog log(koji);
    koji.Append();
    koji.FieldByName("KJNM").SetAsString("捨てる");
    log.take();
    koji.Cancel();
    EXPECT_EQ(log.take(), (QStringList{"BeforeCancel", "stateChanged", "AfterCancel", "dataChanged"}));
    EXPECT_EQ(name(), "二");
    EXPECT_EQ(koji.RecordCount(), 3);
    EXPECT_FALSE(koji.Bof());

    koji.Edit();
    koji.FieldByName("KJNM").SetAsString("変更");
    koji.Cancel();
    EXPECT_EQ(name(), "二");
    EXPECT_EQ(koji.State(), DataSetState::Browse);
}

TEST_F(TableDataSetTest, DeleteWritesAndMovesOnWithTheEventsInOrder)
{
    addKoji(1, "2009/01/01", "一");
    addKoji(1, "2009/02/01", "二");
    openKoji();
    EventLog log(koji);
    koji.Delete();
    EXPECT_EQ(
        log.take(),
        (QStringList{"BeforeDelete", "BeforeScroll", "stateChanged", "AfterDelete", "AfterScroll", "dataChanged"}));
    EXPECT_EQ(name(), "二");
    EXPECT_EQ(scalar("select count(*) from KOJI"), "1");
    koji.Delete();
    EXPECT_TRUE(koji.IsEmpty());
    EXPECT_TRUE(koji.Bof());
    EXPECT_TRUE(koji.Eof());
    EXPECT_THROW(koji.Delete(), db::Error);
}

TEST_F(TableDataSetTest, DeleteOfANewRecordOnlyCancelsIt)
{
    addKoji(1, "2009/01/01", "一");
    openKoji();
    koji.Append();
    koji.Delete();
    EXPECT_EQ(koji.State(), DataSetState::Browse);
    EXPECT_EQ(scalar("select count(*) from KOJI"), "1");
}

TEST_F(TableDataSetTest, FilterLimitsTheRowsAndIsAppliedWhenSet)
{
    addKoji(1, "2009/01/01", "一");
    addKoji(2, "2009/01/01", "別");
    addKoji(1, "2009/02/01", "二");
    openKoji("KJCD=1");
    EXPECT_EQ(koji.RecordCount(), 2);
    koji.Last();
    EXPECT_EQ(name(), "二");
    koji.SetFilter("KJCD=2");
    EXPECT_EQ(koji.RecordCount(), 1);
    EXPECT_EQ(name(), "別");
    EXPECT_TRUE(koji.Bof());
    EXPECT_THROW(koji.SetFilter("NOSUCH=1"), db::Error);
    EXPECT_EQ(koji.Filter(), "KJCD=2");
}

TEST_F(TableDataSetTest, FilterValuesGoInAsParameters)
{
    addKoji(1, "2009/01/01", "O''Neil");
    addKoji(2, "2009/01/01", "別");
    openKoji();
    koji.SetFilter("KJNM = ? and KJCD = ?", {QStringLiteral("O'Neil"), 1});
    EXPECT_EQ(koji.RecordCount(), 1);
    EXPECT_EQ(name(), "O'Neil");
    koji.Close();
    koji.SetFilter("KJCD = ?", {2});
    koji.Open();
    EXPECT_EQ(name(), "別");
}

TEST_F(TableDataSetTest, ACascadeThatFailsAfterTheWriteTakesTheRecordBackIntoEdit)
{
    addKoji(1, "2009/01/01", "一");
    openKoji();
    EventLog log(koji);
    koji.AfterPost = [this](DataSet &) { exec("update NOSUCH set X = 1"); };
    koji.Edit();
    koji.FieldByName("KJNM").SetAsString("二");
    log.take();
    EXPECT_THROW(koji.Post(), db::Error);
    EXPECT_EQ(koji.State(), DataSetState::Edit);
    EXPECT_EQ(name(), "二");
    EXPECT_TRUE(koji.Modified());
    EXPECT_FALSE(log.events.contains("posted"));
    EXPECT_EQ(scalar("select KJNM from KOJI"), "一");

    // A new record goes back to being new, without the key the write had given it.
    koji.AfterPost = nullptr;
    koji.Cancel();
    koji.Append();
    koji.FieldByName("KJCD").SetAsInteger(2);
    koji.FieldByName("APDT").SetAsString("2010/01/01");
    koji.AfterPost = [this](DataSet &) { Abort(); };
    EXPECT_THROW(koji.Post(), EAbort);
    EXPECT_EQ(koji.State(), DataSetState::Insert);
    EXPECT_EQ(scalar("select count(*) from KOJI"), "1");
    koji.AfterPost = nullptr;
    koji.Post();
    EXPECT_EQ(scalar("select count(*) from KOJI"), "2");
}

TEST_F(TableDataSetTest, ACascadeOfADeleteStandsOrFallsWithIt)
{
    addKoji(1, "2009/01/01", "一");
    addKoji(2, "2009/01/01", "二");
    openKoji();
    koji.BeforeDelete = [this](DataSet &) { exec("delete from KOJI where KJCD = 2"); };
    koji.BeforeScroll = [](DataSet &) { throw db::Error(QStringLiteral("refused")); };
    EXPECT_THROW(koji.Delete(), db::Error);
    EXPECT_EQ(scalar("select count(*) from KOJI"), "2");
    koji.BeforeScroll = nullptr;
    koji.Delete();
    EXPECT_EQ(scalar("select count(*) from KOJI"), "0");
}

// What a bound control does when the post asks for its input.
class RefusingControl : public DataSetObserver
{
    void DataSetUpdatingRecord() override { throw db::Error(QStringLiteral("入力が正しくありません")); }
};

TEST_F(TableDataSetTest, AControlRefusingItsInputStopsThePostBeforeAnythingIsWritten)
{
    addKoji(1, "2009/01/01", "一");
    openKoji();
    DataSource source;
    source.setDataSet(&koji);
    RefusingControl control;
    source.addObserver(&control);
    koji.Edit();
    koji.FieldByName("KJNM").SetAsString("二");
    EXPECT_THROW(koji.Post(), db::Error);
    EXPECT_EQ(koji.State(), DataSetState::Edit);
    EXPECT_EQ(scalar("select KJNM from KOJI"), "一");
    source.removeObserver(&control);
}

TEST_F(TableDataSetTest, TextBeyondTheColumnIsRefusedByItsCaptionAndNullIsAText)
{
    openKoji();
    koji.Append();
    const int length = koji.FieldInfo(koji.FieldIndex("KJNM")).charLength;
    ASSERT_GT(length, 0);
    koji.FieldByName("KJNM").SetAsString(QString(length, QChar(0x5DE5)));  // 工 × length: fits
    try {
        koji.FieldByName("KJNM").SetAsString(QString(length + 1, QChar(0x5DE5)));
        ADD_FAILURE() << "a text longer than the column was taken";
    } catch (const db::Error &error) {
        EXPECT_EQ(
            error.message(),
            QStringLiteral("「KJNM」は%1文字以内で入力して下さい（%2文字あります）。").arg(length).arg(length + 1));
    }
    koji.SetDisplayLabel("KJNM", "工事名称");
    EXPECT_THROW(koji.FieldByName("KJNM").SetAsString(QString(length + 1, QLatin1Char('x'))), db::Error);
    try {
        koji.FieldByName("KJNM").SetAsString(QString(length + 1, QLatin1Char('x')));
    } catch (const db::Error &error) {
        EXPECT_TRUE(error.message().startsWith(QStringLiteral("「工事名称」は"))) << error.message().toStdString();
    }
    koji.FieldByName("KJCD").SetAsInteger(1);
    koji.FieldByName("APDT").SetAsString("2010/01/01");
    koji.FieldByName("KJNM").SetAsString("NULL");
    koji.Post();
    EXPECT_EQ(scalar("select KJNM from KOJI where KJNM is not null"), "NULL");
}

TEST_F(TableDataSetTest, LocateAndBookmarksFindRows)
{
    addKoji(1, "2009/01/01", "一");
    addKoji(2, "2009/01/01", "別");
    openKoji();
    EXPECT_TRUE(koji.Locate("KJCD;apdt", {2, "2009/01/01"}));
    EXPECT_EQ(name(), "別");
    EXPECT_FALSE(koji.Locate("KJNM", {"無い"}));
    EXPECT_EQ(name(), "別");
    EXPECT_TRUE(koji.Locate("KJNM", {"一"}, DataSet::PartialKey));
    const DataSet::Bookmark mark = koji.GetBookmark();
    koji.Last();
    EXPECT_TRUE(koji.GotoBookmark(mark));
    EXPECT_EQ(name(), "一");
}

class SagyoinDataSetTest : public SiteFixture
{
protected:
    void addWorker(int incd, int odrno, const QString &name)
    {
        exec(QStringLiteral("insert into SAGYOIN (KJCD, GYOCD, INCD, ODRNO, NAME) values (1, 1, %1, %2, '%3')")
                 .arg(incd)
                 .arg(odrno)
                 .arg(name));
    }
    QStringList names()
    {
        QStringList list;
        for (int row = 0; row < table.RecordCount(); ++row)
            list << table.RowValue(row, table.FieldIndex("NAME")).toString();
        return list;
    }

    TableDataSet table{data.IBTransaction1};
};

TEST_F(SagyoinDataSetTest, OrderFollowsTheNamedIndexOrThePrimaryKey)
{
    addWorker(1, 3, "甲");
    addWorker(2, 1, "乙");
    addWorker(3, 2, "丙");
    table.SetTableName("SAGYOIN");
    table.SetIndexName("PK_SAGYOIN");
    table.Open();
    EXPECT_EQ(names(), (QStringList{"甲", "乙", "丙"}));
    table.SetIndexName("IDXINDT");
    EXPECT_EQ(names(), (QStringList{"乙", "丙", "甲"}));
    EXPECT_THROW(table.SetIndexName("NO_SUCH_INDEX"), db::Error);
}

TEST_F(SagyoinDataSetTest, RefreshAfterInsertReturnsToTheInsertedRecord)
{
    addWorker(1, 3, "甲");
    addWorker(2, 5, "乙");
    table.SetTableName("SAGYOIN");
    table.SetIndexName("IDXINDT");
    table.Open();
    table.Append();
    table.FieldByName("KJCD").SetAsInteger(1);
    table.FieldByName("GYOCD").SetAsInteger(1);
    table.FieldByName("INCD").SetAsInteger(3);
    table.FieldByName("ODRNO").SetAsInteger(1);
    table.FieldByName("NAME").SetAsString("新人");
    table.Post();
    EXPECT_EQ(table.RecNo(), 2);  // appended at the end until refreshed
    const DataSet::Bookmark mark = table.GetBookmark();
    table.Refresh();
    ASSERT_TRUE(table.GotoBookmark(mark));
    EXPECT_EQ(table.RecNo(), 0);
    EXPECT_EQ(table.FieldByName("NAME").AsString(), "新人");
}

using AssignedKeyDataSetTest = SiteFixture;

TEST_F(AssignedKeyDataSetTest, KeysTheDatabaseAssignsComeBackAndBlobsAreReadWhenAsked)
{
    exec("insert into IMGFL (IMCD, FLNM, IMG) values (0, 'A.JPG', 'aaa')");
    TableDataSet table(transaction());
    table.SetTableName("IMGFL");
    table.Open();
    table.Append();
    table.FieldByName("IMCD").SetAsInteger(0);
    table.FieldByName("FLNM").SetAsString("B.JPG");
    table.FieldByName("IMG").SetValue(QByteArray("\x00\xff\x10", 3));
    table.Post();
    const int assigned = table.FieldByName("IMCD").AsInteger();
    EXPECT_GT(assigned, 1);
    const DataSet::Bookmark mark = table.GetBookmark();
    table.Refresh();
    table.First();
    EXPECT_EQ(table.FieldByName("IMG").AsBytes(), QByteArray("aaa"));
    ASSERT_TRUE(table.GotoBookmark(mark));
    EXPECT_EQ(table.FieldByName("FLNM").AsString(), "B.JPG");
    EXPECT_EQ(table.FieldByName("IMG").AsBytes(), QByteArray("\x00\xff\x10", 3));
}

}  // namespace
