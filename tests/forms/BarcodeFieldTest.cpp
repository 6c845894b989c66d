#include "EditorFixture.h"
#include "UiInput.h"

#include "controls/DBControls.h"
#include "kit/BarcodeInput.h"
#include "kit/TRecordEditor.h"
#include "records/BarcodeNumber.h"
#include "records/RecordRules.h"

#include <QApplication>
#include <QtTest/QTest>

namespace {

class KikaiRules : public RecordRules
{
public:
    QString TableName() const override { return QStringLiteral("KIKAI"); }
};

// A barcode number field over a machine notification.
class BarcodeEditor : public TRecordEditor
{
public:
    explicit BarcodeEditor(const EditorContext &context)
        : TRecordEditor(context, std::make_unique<KikaiRules>(), declaration())
    {
    }

    static EditorSpec declaration()
    {
        EditorSpec declaration;
        declaration.caption = "持込機械使用届";
        declaration.fields = {BarcodeField("BARCD", "BARCDNO").Named("editBarcd"), Edit("名称", "KKNM")};
        return declaration;
    }
};

class BarcodeFieldTest : public EditorFixture<SiteFixture>
{
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        execute({"insert into KIKAI (KJCD, GYOCD, MCCD, HNDOWCMPNM, HNDUNUM, KKNM, BARCDNO) values "
                 "(1, 2, 3, '石狩重機', 2, 'バックホウ', 'ab-1')"});
        editor = std::make_unique<BarcodeEditor>(context());
        editor->show();
    }

    template<typename Control> Control *control(const char *name)
    {
        auto *found = editor->FindControl<Control>(QLatin1String(name));
        EXPECT_TRUE(found) << name;
        return found;
    }
    void activate()
    {
        QApplication::setActiveWindow(editor.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(editor.get()));
    }

    std::unique_ptr<BarcodeEditor> editor;
};

TEST_F(BarcodeFieldTest, ABarcodeNumberIsTypedInCapitalsAndDigitsOnly)
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

TEST_F(BarcodeFieldTest, LeavingABarcodeNumberOfTheWrongLengthSaysSoAndComesBack)
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
