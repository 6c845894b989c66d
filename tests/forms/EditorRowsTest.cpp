#include "EditorFixture.h"
#include "UiInput.h"

#include "controls/DBControls.h"
#include "data/DataField.h"
#include "kit/BarcodeInput.h"
#include "kit/DBDateEdit.h"
#include "kit/TRecordEditor.h"
#include "records/BarcodeNumber.h"
#include "records/RecordRules.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest/QTest>

namespace {

class KikaiRules : public RecordRules
{
public:
    QString TableName() const override { return QStringLiteral("KIKAI"); }
};

// Fields side by side in rows, fixed texts, a button of the editor's own and a barcode
// number field, over a machine notification.
class RowsEditor : public TRecordEditor
{
public:
    explicit RowsEditor(const EditorContext &context)
        : TRecordEditor(context, std::make_unique<KikaiRules>(), spec())
    {
    }

    static EditorSpec spec()
    {
        EditorSpec spec;
        spec.caption = "持込機械使用届";
        spec.fields = {
            Row("持込会社名", {Edit({}, "HNDOWCMPNM"), Number({}, "HNDUNUM").Width(40), Text("次")}),
            Row("持込",
                {DateField({}, "STDT"), DateField("搬出", "FNDT"),
                 Button("参照", "btnOPNM").Hint("作業員名簿から参照します")}),
            Row({}, {Group("所有会社", {Edit("会社名", "OWNCMP")}), Group("使用会社", {Edit("会社名", "USECMPNM")})}),
            Text("受理No.").Named("lblNumber"),
            BarcodeField("BARCD", "BARCDNO").Named("editBarcd"),
            Edit("名称", "KKNM"),
        };
        return spec;
    }
};

class EditorRowsTest : public EditorFixture<SiteFixture>
{
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        execute({"insert into KIKAI (KJCD, GYOCD, MCCD, HNDOWCMPNM, HNDUNUM, KKNM, BARCDNO) values "
                 "(1, 2, 3, '石狩重機', 2, 'バックホウ', 'ab-1')"});
        editor = std::make_unique<RowsEditor>(context());
        editor->show();
    }

    template<typename Control> Control *control(const char *name)
    {
        auto *found = editor->FindControl<Control>(QLatin1String(name));
        EXPECT_TRUE(found) << name;
        return found;
    }
    QStringList labelTexts()
    {
        QStringList texts;
        for (const QLabel *label : editor->EditPanel->findChildren<QLabel *>())
            texts << label->text();
        return texts;
    }
    void activate()
    {
        QApplication::setActiveWindow(editor.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(editor.get()));
    }

    std::unique_ptr<RowsEditor> editor;
};

TEST_F(EditorRowsTest, ARowShowsItsFieldsAfterOneCaptionAndLendsItToThoseWithoutTheirOwn)
{
    EXPECT_EQ(control<DBEdit>("DBEditHNDOWCMPNM")->text(), "石狩重機");
    EXPECT_EQ(control<DBEdit>("DBEditHNDUNUM")->text(), "2");
    EXPECT_EQ(control<DBEdit>("DBEditHNDUNUM")->width(), 40);
    const QStringList labels = labelTexts();
    EXPECT_EQ(labels.count("持込会社名"), 1);
    EXPECT_EQ(labels.count("次"), 1);
    EXPECT_EQ(labels.count("搬出"), 1);
    EXPECT_EQ(editor->IBTable1.DisplayLabel(editor->IBTable1.FieldIndex("HNDOWCMPNM")), "持込会社名");
    EXPECT_EQ(editor->IBTable1.DisplayLabel(editor->IBTable1.FieldIndex("STDT")), "持込");
    EXPECT_EQ(editor->IBTable1.DisplayLabel(editor->IBTable1.FieldIndex("FNDT")), "搬出");
    EXPECT_EQ(control<QLabel>("lblNumber")->text(), "受理No.");
}

TEST_F(EditorRowsTest, GroupsInARowShareItsWidthWithoutCaptionsOfTheirOwn)
{
    const QList<QGroupBox *> groups = editor->EditPanel->findChildren<QGroupBox *>();
    ASSERT_EQ(groups.size(), 2);
    EXPECT_EQ(labelTexts().count("所有会社"), 0);
    editor->resize(900, 600);
    QApplication::processEvents();
    EXPECT_NEAR(groups[0]->width(), groups[1]->width(), 2);
    EXPECT_EQ(groups[0]->y(), groups[1]->y());
}

TEST_F(EditorRowsTest, EnterRunsThroughTheRowsInDeclarationOrder)
{
    activate();
    control<DBEdit>("DBEditHNDOWCMPNM")->setFocus();
    PressEnter(control<DBEdit>("DBEditHNDOWCMPNM"));
    EXPECT_EQ(editor->focusWidget(), control<DBEdit>("DBEditHNDUNUM"));
    PressEnter(control<DBEdit>("DBEditHNDUNUM"));
    EXPECT_EQ(editor->focusWidget(), control<DBDateEdit>("dtSTDT")->findChild<QWidget *>("year"));
}

TEST_F(EditorRowsTest, AButtonIsTheEditorsToConnectAndChangesNothingByItself)
{
    auto *button = control<QPushButton>("btnOPNM");
    EXPECT_EQ(button->text(), "参照");
    EXPECT_EQ(button->toolTip(), "作業員名簿から参照します");
    int clicks = 0;
    QObject::connect(button, &QPushButton::clicked, [&] { ++clicks; });
    ClickButton(editor.get(), "btnOPNM");
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(editor->IBTable1.State(), DataSetState::Browse);
}

TEST_F(EditorRowsTest, ABarcodeNumberIsTypedInCapitalsAndDigitsOnly)
{
    auto *barcode = control<DBEdit>("editBarcd");
    EXPECT_EQ(barcode->text(), "ab-1");  // a stored number is shown as it is
    EXPECT_EQ(barcode->maxLength(), BarcodeNumber::MaxLength);
    barcode->selectAll();
    TypeInto(editor.get(), "editBarcd", "hk-0a1ｂ2#3");
    EXPECT_EQ(barcode->text(), "HK0A123");
    EXPECT_EQ(editor->IBTable1.State(), DataSetState::Edit);
    TypeText(barcode, "45");
    EXPECT_EQ(barcode->text(), "HK0A1234");  // eight characters at most
}

TEST_F(EditorRowsTest, LeavingABarcodeNumberOfTheWrongLengthSaysSoAndComesBack)
{
    activate();
    auto *barcode = control<DBEdit>("editBarcd");
    barcode->setFocus();
    barcode->selectAll();
    TypeText(barcode, "HK01");
    PressEnter(barcode);
    EXPECT_EQ(messages.texts(), QStringList{BarcodeNumber::Malformed});
    QApplication::processEvents();
    EXPECT_EQ(editor->focusWidget(), barcode);

    messages.clear();
    TypeText(barcode, "23");
    PressEnter(barcode);
    QApplication::processEvents();
    EXPECT_TRUE(messages.texts().isEmpty());
    EXPECT_EQ(editor->focusWidget(), control<DBEdit>("DBEditKKNM"));
    editor->btnPost->click();
    EXPECT_EQ(scalar("select BARCDNO from KIKAI"), "HK0123");
}

}  // namespace
