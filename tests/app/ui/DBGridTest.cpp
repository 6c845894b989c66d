#include "SiteFixture.h"
#include "controls/DBControls.h"
#include "controls/DBGrid.h"
#include "UiInput.h"

#include "data/DataField.h"
#include "data/DataSource.h"
#include "data/TableDataSet.h"

#include <QMouseEvent>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

class DBGridTest : public SiteFixture
{
protected:
    void SetUp() override
    {
        SiteFixture::SetUp();
        for (const char *name : {"一郎", "二郎", "三郎"})
            exec(QStringLiteral("insert into SHOKU (SHCD, NAME, YOBIN1) values (0, '%1', 0)").arg(name));
        table.SetTableName("SHOKU");
        source.setDataSet(&table);
        grid.setDataSource(&source);
        grid.setColumns({{"YOBIN1", "選択", 40}, {"NAME", "氏名", 120}});
        table.Open();
        grid.resize(300, 200);
        grid.show();
    }

    void releaseMouseOn(int row, int column)
    {
        const QPoint at = grid.visualRect(grid.model()->index(row, column)).center();
        QMouseEvent release(QEvent::MouseButtonRelease, at, grid.viewport()->mapToGlobal(at), Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(grid.viewport(), &release);
    }

    TableDataSet table{data.IBTransaction1};
    DataSource source;
    DBGrid grid;
};

TEST_F(DBGridTest, CurrentRowFollowsTheDataSetBothWays)
{
    EXPECT_EQ(grid.model()->rowCount(), 3);
    EXPECT_EQ(grid.model()->headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), "氏名");
    EXPECT_EQ(grid.currentIndex().row(), 0);
    table.Last();
    EXPECT_EQ(grid.currentIndex().row(), 2);
    grid.selectRow(1);
    EXPECT_EQ(table.RecNo(), 1);
    EXPECT_EQ(table.FieldByName("NAME").AsString(), "二郎");
    table.Append();
    EXPECT_EQ(grid.model()->rowCount(), 4);
    EXPECT_EQ(grid.currentIndex().row(), 3);
    table.Cancel();
    EXPECT_EQ(grid.model()->rowCount(), 3);
    EXPECT_EQ(grid.currentIndex().row(), 1);
}

TEST_F(DBGridTest, ARefusedPostKeepsTheGridOnTheDataSetsRow)
{
    table.BeforePost = [](DataSet &) { throw db::Error("拒否"); };
    table.Edit();
    table.FieldByName("NAME").SetAsString("変更");
    grid.selectRow(2);
    EXPECT_EQ(messages.texts().last(), "拒否");
    EXPECT_EQ(table.RecNo(), 0);
    EXPECT_EQ(grid.currentIndex().row(), 0);
    EXPECT_EQ(grid.model()->index(0, 1).data().toString(), "変更");
}

TEST_F(DBGridTest, ClickAndPaintHooksSeeDataCellsOnly)
{
    QList<QPair<int, int>> clicks;
    grid.OnCellClick = [&](int row, int column) {
        clicks << qMakePair(row, column);
        if (column == 0) {  // toggle a selection mark as the roster does
            table.MoveTo(row);
            table.Edit();
            table.FieldByName("YOBIN1").SetAsInteger(1 - table.FieldByName("YOBIN1").AsInteger());
            table.Post();
        }
    };
    int painted = 0;
    grid.DrawColumnCell = [&](QPainter *painter, const QStyleOptionViewItem &option, int, int column) {
        if (column != 0)
            return false;
        ++painted;
        painter->fillRect(option.rect, Qt::darkGreen);
        return true;
    };
    releaseMouseOn(2, 0);
    ASSERT_EQ(clicks.size(), 1);
    EXPECT_EQ(clicks[0], qMakePair(2, 0));
    EXPECT_EQ(scalar("select YOBIN1 from SHOKU where NAME = '三郎'"), "1");
    EXPECT_EQ(grid.model()->index(2, 0).data().toString(), "1");
    grid.grab();
    EXPECT_GE(painted, 3);
}

TEST_F(DBGridTest, MultiSelectListsTheChosenRows)
{
    grid.setMultiSelect(true);
    grid.selectionModel()->select(grid.model()->index(0, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    grid.selectionModel()->select(grid.model()->index(2, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    EXPECT_EQ(grid.selectedRows(), (QList<int>{0, 2}));
}

TEST_F(DBGridTest, BoundControlsShowAndWriteTheirFields)
{
    DBCheckBox check;
    BindField(&check, &source, "YOBIN1");
    DBRadioGroup radio;
    radio.setItems({"なし", "あり"}, {"0", "1"});
    BindField(&radio, &source, "YOBIN2");
    DBText text;
    BindField(&text, &source, "NAME");
    DBComboBox list;
    list.setItems({"所長", "主任"}, false);
    BindField(&list, &source, "POST");

    EXPECT_EQ(text.text(), "一郎");
    EXPECT_FALSE(check.isChecked());
    EXPECT_EQ(radio.itemIndex(), -1);
    check.click();
    EXPECT_EQ(table.State(), DataSetState::Edit);
    EXPECT_EQ(table.FieldByName("YOBIN1").AsInteger(), 1);
    radio.findChildren<QAbstractButton *>()[1]->click();
    EXPECT_EQ(table.FieldByName("YOBIN2").AsString(), "1");
    list.setCurrentIndex(1);
    emit list.activated(1);
    EXPECT_EQ(table.FieldByName("POST").AsString(), "主任");
    table.Post();
    table.Next();
    EXPECT_EQ(text.text(), "二郎");
    EXPECT_FALSE(check.isChecked());
    table.Prior();
    EXPECT_TRUE(check.isChecked());
    EXPECT_EQ(radio.itemIndex(), 1);
    EXPECT_EQ(list.currentText(), "主任");
}

TEST_F(DBGridTest, MemoAndEditableComboTakeTypedTextAtThePost)
{
    DBMemo memo;
    BindField(&memo, &source, "YOBIS1");
    DBComboBox combo;
    combo.setItems({"所長", "主任"}, true);
    BindField(&combo, &source, "POST");
    memo.insertPlainText("一行目\n二行目");
    EXPECT_EQ(table.State(), DataSetState::Edit);
    TypeText(combo.lineEdit(), "課長");
    EXPECT_TRUE(table.FieldByName("POST").IsNull());  // still only in the control
    table.Post();
    EXPECT_EQ(scalar("select YOBIS1 from SHOKU where NAME = '一郎'"), "一行目\n二行目");
    EXPECT_EQ(scalar("select POST from SHOKU where NAME = '一郎'"), "課長");
    table.Next();
    EXPECT_EQ(memo.toPlainText(), "");
    EXPECT_EQ(combo.currentText(), "");
}

}  // namespace

namespace {

TEST_F(DBGridTest, ANumberFieldRefusesTextAndThePostStopsWithTheRecordInEdit)
{
    DBEdit edit;
    BindField(&edit, &source, "YOBIN2");
    TypeText(&edit, "12a");
    EXPECT_THROW(table.Post(), db::Error);
    EXPECT_EQ(table.State(), DataSetState::Edit);
    EXPECT_EQ(edit.text(), "12a");
    edit.setText("12");
    emit edit.textEdited("12");
    table.Post();
    EXPECT_EQ(scalar("select YOBIN2 from SHOKU where NAME = '一郎'"), "12");
}

}  // namespace
