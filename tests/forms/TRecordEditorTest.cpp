#include "EditorFixture.h"
#include "UiInput.h"

#include "bases/TPanel.h"
#include "config/IniFile.h"
#include "controls/DBControls.h"
#include "controls/DBImageFrame.h"
#include "data/DataField.h"
#include "editors/TSyokuInfo.h"
#include "records/StaffRules.h"

#include <QApplication>
#include <QFile>
#include <QFontInfo>
#include <QStatusBar>
#include <QToolButton>

namespace {

// The editor base and the kit, walked through the staff master on a site with two
// members.
class TRecordEditorTest : public EditorFixture<SiteFixture>
{
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        exec("insert into SHOKU (SHCD, NAME, FURI) values (0, '青木', 'あおき')");
        exec("insert into SHOKU (SHCD, NAME, FURI) values (0, '井上', 'いのうえ')");
        transaction().commitRetaining();
    }

    std::unique_ptr<TSyokuInfo> makeEditor()
    {
        auto editor = std::make_unique<TSyokuInfo>(context());
        editor->show();
        return editor;
    }

    static QLineEdit *edit(TRecordEditor &e, const char *name) { return e.FindControl<DBEdit>(QLatin1String(name)); }
    static DBImageFrame &frame(TRecordEditor &e) { return *e.FindControl<DBImageFrame>(QStringLiteral("ImageFrame1")); }
};

void expectButtons(TEditForm &e, bool browsing)
{
    EXPECT_EQ(e.btnNew->isEnabled(), browsing);
    EXPECT_EQ(e.btnDel->isEnabled(), browsing);
    EXPECT_EQ(e.btnPost->isEnabled(), !browsing);
    EXPECT_EQ(e.btnCancel->isEnabled(), !browsing);
}

TEST_F(TRecordEditorTest, WalksTheWholeButtonTable)
{
    auto editor = makeEditor();
    TSyokuInfo &e = *editor;
    EXPECT_EQ(edit(e, "DBEditNAME")->text(), "青木");
    expectButtons(e, true);
    EXPECT_FALSE(e.btnPrev->isEnabled());
    EXPECT_TRUE(e.btnNext->isEnabled());
    e.btnNext->click();
    EXPECT_EQ(edit(e, "DBEditNAME")->text(), "井上");
    EXPECT_TRUE(e.btnPrev->isEnabled());
    e.btnNext->click();  // past the end: the dataset reports end of data
    EXPECT_FALSE(e.btnNext->isEnabled());

    // New, type, post: committed, and the editor stays on the new record.
    e.btnNew->click();
    expectButtons(e, false);
    EXPECT_EQ(edit(e, "DBEditNAME")->text(), "");
    EXPECT_EQ(e.focusWidget(), edit(e, "DBEditNAME"));
    TypeInto(&e, "DBEditNAME", "佐藤");
    TypeInto(&e, "DBEditFURI", "さとう");
    e.btnPost->click();
    expectButtons(e, true);
    EXPECT_EQ(committed("select count(*) from SHOKU"), "3");
    EXPECT_EQ(committed("select FURI from SHOKU where NAME = '佐藤'"), "さとう");
    EXPECT_EQ(edit(e, "DBEditNAME")->text(), "佐藤");
    EXPECT_GT(e.IBTable1.FieldByName("SHCD").AsInteger(), 2);

    // Navigate, then edit by typing and cancel: the old text returns.
    e.btnPrev->click();
    EXPECT_EQ(edit(e, "DBEditNAME")->text(), "井上");
    TypeText(edit(e, "DBEditFURI"), "X");
    EXPECT_EQ(e.IBTable1.State(), DataSetState::Edit);
    expectButtons(e, false);
    e.btnCancel->click();
    EXPECT_EQ(edit(e, "DBEditFURI")->text(), "いのうえ");
    expectButtons(e, true);

    // Delete: no keeps the row, yes removes it for good.
    messages.answer(false);
    e.btnDel->click();
    EXPECT_EQ(messages.texts().last(), "削除しますか？");
    EXPECT_EQ(committed("select count(*) from SHOKU"), "3");
    messages.answer(true);
    e.btnDel->click();
    EXPECT_EQ(committed("select count(*) from SHOKU where NAME = '井上'"), "0");
    EXPECT_EQ(e.IBTable1.RecordCount(), 2);

    // Close with an unposted record: no keeps window and edits, yes rolls back.
    TypeText(edit(e, "DBEditNAME"), "未登録");
    messages.answer(false);
    e.close();
    EXPECT_EQ(messages.texts().last(), "未登録のデータがあります。それでも終了しますか？");
    EXPECT_TRUE(e.isVisible());
    EXPECT_EQ(e.IBTable1.State(), DataSetState::Edit);
    EXPECT_EQ(edit(e, "DBEditNAME")->text(), "未登録佐藤");
    messages.answer(true);
    e.close();
    EXPECT_FALSE(e.isVisible());
    EXPECT_FALSE(e.IBTable1.Active());
    EXPECT_EQ(committed("select count(*) from SHOKU where NAME like '%未登録%'"), "0");
    EXPECT_EQ(messages.unansweredQuestions(), 0);
}

TEST_F(TRecordEditorTest, CancelOfANewRecordReturnsToThePreviousOneAndEscapeAsksToo)
{
    auto editor = makeEditor();
    TSyokuInfo &e = *editor;
    e.btnNext->click();
    e.btnNew->click();
    TypeText(edit(e, "DBEditNAME"), "取り消す");
    e.btnCancel->click();
    EXPECT_EQ(edit(e, "DBEditNAME")->text(), "井上");
    EXPECT_EQ(committed("select count(*) from SHOKU"), "2");

    TypeText(edit(e, "DBEditNAME"), "!");
    PressKey(&e, Qt::Key_Escape);
    EXPECT_TRUE(e.isVisible());
    EXPECT_EQ(messages.unansweredQuestions(), 1);
}

TEST_F(TRecordEditorTest, ARefusedPostShowsTheMessageFocusesTheFieldAndKeepsTheText)
{
    auto editor = makeEditor();
    TSyokuInfo &e = *editor;
    e.btnNew->click();
    TypeInto(&e, "DBEditFURI", "なまえなし");
    e.btnPost->click();
    EXPECT_EQ(messages.texts().last(), "氏名が有りません");
    EXPECT_EQ(e.focusWidget(), edit(e, "DBEditNAME"));
    EXPECT_EQ(e.IBTable1.State(), DataSetState::Insert);
    EXPECT_EQ(edit(e, "DBEditFURI")->text(), "なまえなし");
    EXPECT_TRUE(e.btnPost->isEnabled());
    TypeText(edit(e, "DBEditNAME"), "名前あり");
    e.btnPost->click();
    EXPECT_EQ(committed("select FURI from SHOKU where NAME = '名前あり'"), "なまえなし");
}

TEST_F(TRecordEditorTest, TextLongerThanItsColumnIsRefusedNamingTheFieldAndNullStaysAName)
{
    auto editor = makeEditor();
    TSyokuInfo &e = *editor;
    const int length = e.IBTable1.FieldInfo(e.IBTable1.FieldIndex("SNNO")).charLength;
    // The edit itself holds no more than the column takes; a value put in from elsewhere
    // is refused with the field's caption, and nothing is written.
    EXPECT_EQ(edit(e, "DBEditSNNO")->maxLength(), length);
    e.IBTable1.Edit();
    EXPECT_THROW(e.IBTable1.FieldByName("SNNO").SetAsString(QString(length + 1, QLatin1Char('9'))), db::Error);
    try {
        e.IBTable1.FieldByName("SNNO").SetAsString(QString(length + 1, QLatin1Char('9')));
    } catch (const db::Error &error) {
        EXPECT_TRUE(error.message().startsWith(QStringLiteral("「交付番号」は%1文字以内").arg(length)))
            << error.message().toStdString();
    }
    e.IBTable1.FieldByName("NAME").SetAsString("NULL");
    e.btnPost->click();
    EXPECT_EQ(committed("select count(*) from SHOKU where NAME = 'NULL'"), "1");
}

TEST_F(TRecordEditorTest, EnterMovesToTheNextFieldInDeclarationOrderAndShiftEnterBack)
{
    auto editor = makeEditor();
    TSyokuInfo &e = *editor;
    edit(e, "DBEditNAME")->setFocus();
    PressEnter(edit(e, "DBEditNAME"));
    EXPECT_EQ(e.focusWidget(), edit(e, "DBEditFURI"));
    PressKey(edit(e, "DBEditFURI"), Qt::Key_Enter);
    EXPECT_EQ(e.focusWidget(), edit(e, "DBEditPOST"));
    PressKey(edit(e, "DBEditPOST"), Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(e.focusWidget(), edit(e, "DBEditFURI"));
    EXPECT_EQ(e.IBTable1.State(), DataSetState::Browse);  // moving on types nothing
}

// A staff editor that also exchanges its records, as the project and contractor
// editors do.
class ExchangingStaffEditor : public TRecordEditor
{
public:
    explicit ExchangingStaffEditor(const EditorContext &context)
        : TRecordEditor(context, std::make_unique<StaffRules>(), declaration())
    {
    }

private:
    static EditorSpec declaration()
    {
        EditorSpec declaration;
        declaration.caption = QStringLiteral("職員");
        declaration.fields = {Edit(QStringLiteral("氏名"), QStringLiteral("NAME"))};
        declaration.packageKind = 3;
        return declaration;
    }
};

TEST_F(TRecordEditorTest, StartModeRunsTheImportOnlyWhenTheEditorExchanges)
{
    auto hidden = makeEditor();
    hidden->StartMode = 1;
    QApplication::processEvents();
    EXPECT_FALSE(hidden->btnImport->isVisible());

    ExchangingStaffEditor shown(context());
    shown.StartMode = 1;
    shown.show();
    QApplication::processEvents();
    ASSERT_EQ(services.imports.size(), 1);
    EXPECT_EQ(services.imports[0].kind, 3);
    shown.hide();
    shown.show();
    QApplication::processEvents();
    EXPECT_EQ(services.imports.size(), 1);

    // Exporting posts what is pending first.
    TypeText(shown.FindControl<DBEdit>("DBEditNAME"), "!");
    shown.btnExport->click();
    EXPECT_EQ(services.exports.size(), 1);
    EXPECT_EQ(committed("select count(*) from SHOKU where NAME = '!青木'"), "1");

    // Without package dialogs the buttons do not show.
    services.canExchange = false;
    ExchangingStaffEditor without(context());
    without.show();
    EXPECT_FALSE(without.btnImport->isVisible());
    EXPECT_FALSE(without.btnExport->isVisible());
}

TEST_F(TRecordEditorTest, ImageFrameRegistersClearsAndShowsTheMissingPicture)
{
    auto editor = makeEditor();
    TSyokuInfo &e = *editor;
    DBImageFrame &photo = frame(e);
    EXPECT_EQ(photo.size(), QSize(115, 118));
    EXPECT_EQ(photo.btnOpen->toolTip(), "画像の登録");
    EXPECT_EQ(photo.btnDelete->toolTip(), "画像のクリア");

    fileDialogs.answer(jpegFile("photo.jpeg"));
    photo.btnOpen->click();
    ASSERT_EQ(fileDialogs.asked().size(), 1);
    EXPECT_EQ(fileDialogs.asked()[0].request.filter, "JPEG イメージファイル (*.jpg;*.jpeg)|*.jpg;*.jpeg");
    EXPECT_EQ(fileDialogs.asked()[0].request.initialDir, QDir::homePath());
    EXPECT_EQ(photo.FileName, "KAO00002.JPG");
    EXPECT_TRUE(QFile::exists(photo.Folder() + "KAO00002.JPG"));
    EXPECT_FALSE(photo.ShowsPlaceholder());
    EXPECT_EQ(e.IBTable1.State(), DataSetState::Edit);
    EXPECT_EQ(edit(e, "DBEditSDFL")->text(), "KAO00002.JPG");
    e.btnPost->click();
    EXPECT_EQ(committed("select SDFL from SHOKU where NAME = '青木'"), "KAO00002.JPG");
    EXPECT_EQ(committed("select count(*) from IMGFL where FLNM = 'KAO00002.JPG'"), "1");

    photo.btnDelete->click();
    EXPECT_EQ(photo.FileName, "");
    fileDialogs.answer(jpegFile("other.jpg"));
    photo.btnOpen->click();
    EXPECT_NE(photo.FileName, "KAO00002.JPG");
    EXPECT_FALSE(photo.FileName.isEmpty());
    e.btnCancel->click();
    EXPECT_EQ(photo.FileName, "KAO00002.JPG");

    // A vanished file stores nothing and clears the frame and its column.
    fileDialogs.answer(missingFile("vanished.jpg"));
    photo.btnOpen->click();
    EXPECT_EQ(photo.FileName, "");
    EXPECT_TRUE(e.IBTable1.FieldByName("SDFL").IsNull());
    e.btnCancel->click();

    // A name without an IMGFL row shows the blue placeholder.
    exec("update SHOKU set SDFL = 'KAO09999.JPG' where NAME = '井上'");
    transaction().commitRetaining();
    e.IBTable1.Refresh();
    e.btnNext->click();
    EXPECT_EQ(photo.FileName, "KAO09999.JPG");
    EXPECT_TRUE(photo.ShowsPlaceholder());
}

TEST_F(TRecordEditorTest, WindowFontIsTheProgramFontAndTheTitleFollowsTheSettings)
{
    auto editor = makeEditor();
    EXPECT_EQ(editor->font().family(), "ＭＳ Ｐゴシック");
    EXPECT_EQ(editor->font().pixelSize(), 12);
    EXPECT_EQ(QFontInfo(edit(*editor, "DBEditNAME")->font()).family(), "IPAPGothic");
    EXPECT_EQ(editor->btnPost->text(), "登録(&P)");
    EXPECT_EQ(editor->btnExport->toolTip(), "ｴｸｽﾎﾟｰﾄ");
    // The title panel takes the configured look: blue panel, white bold 16-point title.
    EXPECT_EQ(editor->TitlePanel->palette().color(QPalette::Window), QColor(0, 0, 0xFF));
    EXPECT_EQ(editor->TitlePanel->palette().color(QPalette::WindowText), QColor(Qt::white));
    EXPECT_TRUE(editor->TitlePanel->font().bold());
    EXPECT_EQ(editor->TitlePanel->font().pointSize(), 16);
    QLabel label;
    editor->ApplyTitleStyle(&label);
    EXPECT_EQ(label.palette().color(QPalette::Window), QColor(0, 0, 0x80));

    ini->writeInteger("data", "TitleColor", 0x008000);
    ini->writeInteger("data", "TitleFontSize", 20);
    ini->writeBool("data", "TitleFontBold", false);
    ini->writeBool("data", "TitleFontItalic", true);
    auto restyled = makeEditor();
    EXPECT_EQ(restyled->TitlePanel->palette().color(QPalette::Window), QColor(0, 0x80, 0));
    EXPECT_EQ(restyled->TitlePanel->font().pointSize(), 20);
    EXPECT_FALSE(restyled->TitlePanel->font().bold());
    EXPECT_TRUE(restyled->TitlePanel->font().italic());
}

TEST_F(TRecordEditorTest, EditorsWithoutTheirOwnTransactionDoNotCommit)
{
    auto editor = makeEditor();
    editor->OwnTransaction = false;
    TypeText(edit(*editor, "DBEditFURI"), "!");
    editor->btnPost->click();
    EXPECT_EQ(committed("select FURI from SHOKU where NAME = '青木'"), "あおき");
    transaction().commitRetaining();
    EXPECT_EQ(committed("select FURI from SHOKU where NAME = '青木'"), "!あおき");
}

TEST_F(TRecordEditorTest, MissingImageFolderIsReportedWhenTheFrameIsSetUp)
{
    auto editor = makeEditor();
    frame(*editor).SetSubDir("image");
    EXPECT_TRUE(messages.texts().isEmpty());
    frame(*editor).SetSubDir("gone");
    EXPECT_EQ(messages.texts().last(), "画像格納ディレクトリが存在しません。");
    EXPECT_EQ(frame(*editor).SubDir, "gone");
}

// Saves a picture of the editor for a person to look at when SORVIK_SCREENSHOT_DIR is set.
TEST_F(TRecordEditorTest, Screenshot)
{
    auto editor = makeEditor();
    fileDialogs.answer(jpegFile("face.jpg"));
    frame(*editor).btnOpen->click();
    TypeInto(editor.get(), "DBEditPOST", "工事主任");
    editor->btnPost->click();
    editor->StatusBar1->showMessage("2 件");
    QApplication::processEvents();
    const QImage shot = editor->grab().toImage();
    EXPECT_FALSE(shot.isNull());
    const QString folder = qEnvironmentVariable("SORVIK_SCREENSHOT_DIR");
    if (!folder.isEmpty())
        shot.save(QDir(folder).filePath("staff_editor.png"));
}

}  // namespace
