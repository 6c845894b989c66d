#include "EditorFixture.h"
#include "UiInput.h"

#include "controls/BoundControl.h"
#include "controls/DBCheckGrid.h"
#include "controls/DBControls.h"
#include "data/DataField.h"
#include "kit/DBCheckedDateEdit.h"
#include "kit/DBDateEdit.h"
#include "kit/TRecordEditor.h"
#include "records/RecordRules.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QTabWidget>
#include <QtTest/QTest>

namespace {

// Rules of a table and nothing more.
class PlainRules : public RecordRules
{
public:
    explicit PlainRules(const QString &table)
        : m_table(table)
    {
    }
    QString TableName() const override { return m_table; }

private:
    QString m_table;
};

// A machine notification declared with one field of every kind.
class MachineEditor : public TRecordEditor
{
public:
    explicit MachineEditor(const EditorContext &context)
        : TRecordEditor(context, std::make_unique<PlainRules>("KIKAI"), declaration())
    {
    }

    static EditorSpec declaration()
    {
        EditorSpec declaration;
        declaration.caption = "持込機械使用届";
        declaration.idField = Label("登録番号", "MCCD");
        declaration.fields = {
            Pages(
                "PageControl1",
                {Page("使用届",
                      {Group("機械",
                             {Edit("名称", "KKNM").MaxLength(8).Hint("機械の名称"), DateField("持込", "STDT").SameRow(),
                              Radio("リース区分", "ISRS", {"自社", "リース"}, {"0", "1"}), Number("対人", "DV1"),
                              List("受理記号", "JYUKG", {"A", "B"}),
                              EditableList("その他", "DV4TYP", {"車両保険"}).LabelNamed("lblDV4TYP"),
                              Memo("注意事項", "CAUTION"), CheckedDateField("使用開始", "INDT")})}),
                 Page("点検表", {Check("(a)", "CHKA_1A"), Check("(b)", "CHKA_1B").SameRow()})}),
        };
        return declaration;
    }
};

class EditorKitTest : public EditorFixture<SiteFixture>
{
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        execute({"insert into KIKAI (KJCD, GYOCD, MCCD, KKNM, ISRS, CHKA_1A, CHKA_1B, STDT) values "
                 "(1, 2, 3, 'クレーン', 1, 1, 0, '2026/05/01')"});
        editor = std::make_unique<MachineEditor>(context());
        editor->show();
    }

    template<typename Control> Control *control(const char *name)
    {
        auto *found = editor->FindControl<Control>(QLatin1String(name));
        EXPECT_TRUE(found) << name;
        return found;
    }
    QString stored(const char *column) { return scalar(QStringLiteral("select %1 from KIKAI").arg(column)); }

    std::unique_ptr<MachineEditor> editor;
};

TEST_F(EditorKitTest, EveryDeclaredFieldIsCreatedNamedCaptionedAndShowsItsColumn)
{
    EXPECT_EQ(editor->windowTitle(), "持込機械使用届");
    EXPECT_EQ(editor->lblID->text(), "登録番号");
    EXPECT_EQ(control<DBText>("DBTextMCCD")->text(), "3");
    EXPECT_EQ(control<QTabWidget>("PageControl1")->tabText(1), "点検表");
    EXPECT_EQ(control<QGroupBox>("")->title(), "機械");
    EXPECT_EQ(control<DBEdit>("DBEditKKNM")->text(), "クレーン");
    EXPECT_EQ(control<DBEdit>("DBEditKKNM")->toolTip(), "機械の名称");
    EXPECT_EQ(control<DBDateEdit>("dtSTDT")->GetDateText(), "2026/05/01");
    EXPECT_EQ(control<DBRadioGroup>("DBRadioGroupISRS")->itemIndex(), 1);
    EXPECT_TRUE(control<DBCheckBox>("DBCheckBoxCHKA_1A")->isChecked());
    EXPECT_EQ(control<DBCheckBox>("DBCheckBoxCHKA_1A")->text(), "(a)");
    EXPECT_FALSE(control<DBCheckBox>("DBCheckBoxCHKA_1B")->isChecked());
    EXPECT_EQ(control<QLabel>("lblDV4TYP")->text(), "その他");
    EXPECT_EQ(control<DBComboBox>("DBComboBoxDV4TYP")->isEditable(), true);
    EXPECT_EQ(control<DBComboBox>("DBComboBoxJYUKG")->isEditable(), false);
    // Moving through the record and loading it is no change.
    EXPECT_EQ(editor->IBTable1.State(), DataSetState::Browse);
}

TEST_F(EditorKitTest, ChoicesAreWrittenAtOnceAndTypedTextOnPost)
{
    control<DBRadioGroup>("DBRadioGroupISRS")->findChildren<QRadioButton *>().at(0)->click();
    EXPECT_EQ(editor->IBTable1.State(), DataSetState::Edit);
    EXPECT_EQ(editor->IBTable1.FieldByName("ISRS").AsString(), "0");
    control<DBCheckBox>("DBCheckBoxCHKA_1B")->click();
    EXPECT_TRUE(control<DBCheckBox>("DBCheckBoxCHKA_1B")->isChecked());
    EXPECT_EQ(editor->IBTable1.FieldByName("CHKA_1B").AsString(), "1");
    TypeInto(editor.get(), "DBEditDV1", "12x3");  // a number field takes digits only
    EXPECT_EQ(control<DBEdit>("DBEditDV1")->text(), "123");
    TypeInto(editor.get(), "DBMemoCAUTION", "吊り荷の下に入らない");
    editor->btnPost->click();
    EXPECT_EQ(stored("ISRS||'|'||CHKA_1B||'|'||DV1||'|'||CAUTION"), "0|1|123|吊り荷の下に入らない");
}

TEST_F(EditorKitTest, AnEditTakesNoMoreThanItsOwnLimitBelowTheColumns)
{
    EXPECT_EQ(control<DBEdit>("DBEditKKNM")->maxLength(), 8);
    EXPECT_GT(editor->IBTable1.FieldInfo(editor->IBTable1.FieldIndex("KKNM")).charLength, 8);
}

TEST_F(EditorKitTest, APickersChoiceGoesIntoTheNamedControlsField)
{
    SetBoundFieldText(editor->FindBoundControl(QStringLiteral("DBEdit") + "KKNM"), "バックホウ");
    EXPECT_EQ(editor->IBTable1.State(), DataSetState::Edit);
    EXPECT_EQ(control<DBEdit>("DBEditKKNM")->text(), "バックホウ");
    EXPECT_THROW(SetBoundFieldText(editor->FindBoundControl("PageControl1"), "x"), db::Error);
    editor->btnPost->click();
    EXPECT_EQ(stored("KKNM"), "バックホウ");
}

TEST_F(EditorKitTest, EnterMovesInDeclarationOrderAcrossRowsAndDateEdits)
{
    QApplication::setActiveWindow(editor.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(editor.get()));
    control<DBEdit>("DBEditKKNM")->setFocus();
    PressEnter(control<DBEdit>("DBEditKKNM"));
    QWidget *year = control<DBDateEdit>("dtSTDT")->findChild<QWidget *>("year");
    EXPECT_EQ(editor->focusWidget(), year);
    EXPECT_EQ(editor->IBTable1.State(), DataSetState::Browse);
}

TEST_F(EditorKitTest, ADateChangedByTheUserStartsTheEditAndIsWrittenWhenPosted)
{
    DBDateEdit *date = control<DBDateEdit>("dtSTDT");
    auto *day = date->findChild<QLineEdit *>("day");
    day->selectAll();
    TypeText(day, "20");
    EXPECT_EQ(editor->IBTable1.State(), DataSetState::Edit);
    EXPECT_EQ(editor->IBTable1.FieldByName("STDT").AsString(), "2026/05/01");  // not yet
    editor->btnPost->click();
    EXPECT_EQ(stored("STDT"), "2026/05/20");

    // A date the edit cannot read stops the post with the edit's own message.
    day->selectAll();
    TypeText(day, "41");
    editor->btnPost->click();
    EXPECT_EQ(editor->IBTable1.State(), DataSetState::Edit);
    EXPECT_FALSE(messages.texts().isEmpty());
    EXPECT_EQ(stored("STDT"), "2026/05/20");
}

TEST_F(EditorKitTest, ACheckedDatePickerWritesAtOnceAndUncheckedIsNoDate)
{
    AppContext::instance().WorkDate = QDate(2026, 7, 1);
    editor->IBTable1.Refresh();
    DBCheckedDateEdit *start = control<DBCheckedDateEdit>("dtINDT");
    EXPECT_FALSE(start->isChecked());
    EXPECT_EQ(start->date(), QDate(2026, 7, 1));
    start->checkBox()->click();
    EXPECT_EQ(editor->IBTable1.State(), DataSetState::Edit);
    EXPECT_EQ(editor->IBTable1.FieldByName("INDT").AsString(), "2026/07/01");
    start->checkBox()->click();
    EXPECT_TRUE(editor->IBTable1.FieldByName("INDT").IsNull());
}

// The tool editor's inspection rows: ten boxes in one column of ten characters.
class ToolEditor : public TRecordEditor
{
public:
    explicit ToolEditor(const EditorContext &context)
        : TRecordEditor(context, std::make_unique<PlainRules>("KOUGU"), declaration())
    {
    }
    static EditorSpec declaration()
    {
        EditorSpec declaration;
        declaration.caption = "持込工具使用届";
        declaration.fields = {CheckGrid("アース線", "CHK01"), CheckGrid("接地クランプ", "CHK02")};
        return declaration;
    }
};

TEST_F(EditorKitTest, ACheckGridPutsWithoutAChangeAndAClickWritesAllTen)
{
    execute({"insert into KOUGU (KJCD, GYOCD, KGCD, CHK01, CHK02) values (1, 2, 3, '1010', null)"});
    ToolEditor tools(context());
    tools.show();
    auto *earth = tools.FindControl<DBCheckGrid>("ChkGridCHK01");
    ASSERT_TRUE(earth);
    EXPECT_EQ(earth->Get(), "1010000000");  // missing characters read as unchecked
    EXPECT_EQ(earth->Box(1)->text(), "①");
    EXPECT_EQ(earth->Box(10)->text(), "⑩");
    EXPECT_EQ(tools.IBTable1.State(), DataSetState::Browse);
    earth->Put("0000000001");
    EXPECT_EQ(tools.IBTable1.State(), DataSetState::Browse);
    earth->Put("1010");
    earth->Box(3)->click();
    EXPECT_EQ(tools.IBTable1.State(), DataSetState::Edit);
    EXPECT_EQ(tools.IBTable1.FieldByName("CHK01").AsString(), "1000000000");
    tools.FindControl<DBCheckGrid>("ChkGridCHK02")->Box(10)->click();
    tools.btnPost->click();
    EXPECT_EQ(scalar("select CHK01||'|'||CHK02 from KOUGU"), "1000000000|0000000001");
}

// An editor without a dataset keeps its own edit state, as the chart editor does.
class StateOnlyEditor : public TEditForm
{
public:
    using TEditForm::TEditForm;
    int editState = 0;  // 0 none, 1 new, 2 modified, 3 saved

    ButtonStates CurrentButtonStates() const override
    {
        const bool open = editState == 1 || editState == 2;
        return {editState == 0 || editState == 3, editState == 3, open, open, false, false};
    }
    bool HasUnpostedChanges() const override { return false; }
};

TEST_F(EditorKitTest, AnEditorWithoutADatasetFollowsItsOwnStateAndClosesWithoutAsking)
{
    StateOnlyEditor chart(transaction());
    chart.show();
    EXPECT_TRUE(chart.btnNew->isEnabled());
    EXPECT_FALSE(chart.btnPost->isEnabled());
    chart.editState = 2;
    chart.UpdateButtons();
    EXPECT_FALSE(chart.btnNew->isEnabled());
    EXPECT_TRUE(chart.btnPost->isEnabled());
    exec("insert into TAIKEI (KJCD, APDT, GYOCD) values (1, '2026/04/01', 1)");
    EXPECT_TRUE(chart.close());
    EXPECT_EQ(messages.unansweredQuestions(), 0);
    // The shared transaction is committed on closing.
    EXPECT_EQ(committed("select count(*) from TAIKEI"), "1");
}

}  // namespace
