#include "EditorFixture.h"
#include "UiInput.h"

#include "controls/DBControls.h"
#include "data/DataField.h"
#include "editors/TSikakuForm.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QTest>

namespace {

class TSikakuFormTest : public EditorFixture<DemoSiteFixture>
{
protected:
    static QString field(TSikakuForm &form, const char *column)
    {
        return form.IBTable1.FieldByName(QLatin1String(column)).AsString();
    }
    static DBEdit *edit(TSikakuForm &form, const char *column)
    {
        return form.FindControl<DBEdit>(QStringLiteral("DBEdit") + QLatin1String(column));
    }
    QString committedNames(int kind)
    {
        return committed(QStringLiteral("Select count(*) from EDUC where KBN = %1").arg(kind));
    }
};

TEST_F(TSikakuFormTest, ShowsOneKindInDisplayOrder)
{
    TSikakuForm form(context());
    form.show();
    EXPECT_EQ(form.windowTitle(), QStringLiteral("資格マスタ"));
    EXPECT_EQ(form.ComboBox1->count(), 6);
    EXPECT_EQ(form.ComboBox1->itemText(4), QStringLiteral("※"));
    EXPECT_EQ(form.Kind(), 1);
    EXPECT_EQ(field(form, "PRNM"), QStringLiteral("大特"));
    EXPECT_EQ(form.IBTable1.RecordCount(), 6);
    QTest::keyClick(form.ComboBox1, Qt::Key_Down);
    EXPECT_EQ(form.Kind(), 2);
    EXPECT_EQ(field(form, "PRNM"), QStringLiteral("玉掛"));
    form.SelectKind(5);
    EXPECT_EQ(form.ComboBox1->currentText(), QStringLiteral("※"));
    EXPECT_EQ(form.IBTable1.RecordCount(), 5);
}

TEST_F(TSikakuFormTest, NamesAreEnteredOneAfterAnother)
{
    TSikakuForm form(context());
    form.SelectKind(4);
    form.show();
    QApplication::setActiveWindow(&form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    const QString before = committedNames(4);
    form.btnNew->click();
    EXPECT_EQ(form.focusWidget(), edit(form, "PRNM"));
    EXPECT_EQ(field(form, "KBN"), QStringLiteral("4"));
    TypeText(edit(form, "NM"), QStringLiteral("解体工"));
    form.btnPost->click();
    EXPECT_EQ(form.focusWidget(), edit(form, "PRNM"));
    TypeText(edit(form, "PRNM"), QStringLiteral("解体"));
    edit(form, "NM")->selectAll();
    PressKey(edit(form, "NM"), Qt::Key_Backspace);
    form.btnPost->click();
    EXPECT_EQ(messages.texts(), QStringList({QStringLiteral("略称が有りません"), QStringLiteral("名称が有りません")}));
    EXPECT_EQ(form.focusWidget(), edit(form, "NM"));
    TypeText(edit(form, "NM"), QStringLiteral("解体工"));
    form.btnPost->click();
    EXPECT_EQ(form.IBTable1.State(), DataSetState::Insert);  // the next name
    EXPECT_EQ(committedNames(4).toInt(), before.toInt() + 1);

    // An empty new name is dropped when another kind is chosen, and on closing.
    QTest::keyClick(form.ComboBox1, Qt::Key_Down);
    EXPECT_EQ(form.Kind(), 5);
    EXPECT_EQ(form.IBTable1.State(), DataSetState::Browse);
    form.btnNew->click();
    EXPECT_TRUE(form.close());
    EXPECT_EQ(messages.texts().size(), 2);
    EXPECT_EQ(committedNames(5), QStringLiteral("5"));
}

TEST_F(TSikakuFormTest, TheNamesMasterNeitherCommitsNorRollsBackTheWorkOfItsOpener)
{
    exec(QStringLiteral("Insert into INSIKAKU (INNO, KJCD, GYOCD, INCD, KBN, SKNM) values (0, 1, 2, 9, 1, '保留中')"));
    modal.thenShow<TSikakuForm>([](TSikakuForm &names) {
        EXPECT_EQ(names.Kind(), 3);
        names.btnNew->click();
        TypeText(names.FindControl<DBEdit>(QStringLiteral("DBEditPRNM")), QStringLiteral("酸欠"));
        TypeText(names.FindControl<DBEdit>(QStringLiteral("DBEditNM")), QStringLiteral("酸素欠乏危険作業特別教育"));
        names.btnPost->click();
        names.btnCancel->click();
        names.close();
    });
    EditNamesMaster(context(), nullptr, 3);
    EXPECT_EQ(modal.unscripted(), 0);
    EXPECT_EQ(committed(QStringLiteral("Select NM from EDUC where PRNM = '酸欠'")),
              QStringLiteral("酸素欠乏危険作業特別教育"));
    EXPECT_EQ(committed(QStringLiteral("Select count(*) from INSIKAKU where SKNM = '保留中'")), QStringLiteral("0"));
    EXPECT_EQ(scalar(QStringLiteral("Select count(*) from INSIKAKU where SKNM = '保留中'")), QStringLiteral("1"));
}

}  // namespace
