#include "SiteFixture.h"
#include "SampleStaffEditor.h"
#include "UiInput.h"

#include "program/AppContext.h"
#include "config/IniFile.h"

#include <QDir>
#include <QFontInfo>
#include <QImage>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

class TEditFormTest : public SiteFixture
{
protected:
    void SetUp() override
    {
        SiteFixture::SetUp();
        QDir(imageRoot.path()).mkpath(QStringLiteral("image"));
        exec("insert into SHOKU (SHCD, NAME, FURI) values (0, '青木', 'あおき')");
        exec("insert into SHOKU (SHCD, NAME, FURI) values (0, '井上', 'いのうえ')");
        transaction().commitRetaining();
    }

    std::unique_ptr<SampleStaffEditor> makeEditor()
    {
        auto editor = std::make_unique<SampleStaffEditor>(transaction(), store, imageRoot.path() + "/");
        editor->show();
        return editor;
    }

    // What another user of the database sees: only committed rows.
    QString committed(const QString &sql) { return committedColumn(sql).value(0); }

    QString jpegFile(const QString &name)
    {
        QImage image(40, 50, QImage::Format_RGB32);
        image.fill(QColor(0x40, 0x80, 0x40));
        const QString path = files.filePath(name);
        image.save(path, "JPG");
        return path;
    }

    ImageStore store{data.IBTransaction1};
    QTemporaryDir imageRoot;
    QTemporaryDir files;
};

void expectButtons(SampleStaffEditor &e, bool browsing)
{
    EXPECT_EQ(e.btnNew->isEnabled(), browsing);
    EXPECT_EQ(e.btnDel->isEnabled(), browsing);
    EXPECT_EQ(e.btnPost->isEnabled(), !browsing);
    EXPECT_EQ(e.btnCancel->isEnabled(), !browsing);
}

TEST_F(TEditFormTest, WalksTheWholeButtonTable)
{
    auto editor = makeEditor();
    SampleStaffEditor &e = *editor;
    EXPECT_EQ(e.DBEditNAME->text(), "青木");
    expectButtons(e, true);
    EXPECT_FALSE(e.btnPrev->isEnabled());
    EXPECT_TRUE(e.btnNext->isEnabled());
    e.btnNext->click();
    EXPECT_EQ(e.DBEditNAME->text(), "井上");
    EXPECT_TRUE(e.btnPrev->isEnabled());
    e.btnNext->click();  // past the end: the dataset reports end of data
    EXPECT_FALSE(e.btnNext->isEnabled());

    // New, type, post: committed, and the editor stays on the new record.
    e.btnNew->click();
    expectButtons(e, false);
    EXPECT_EQ(e.DBEditNAME->text(), "");
    TypeInto(&e, "DBEditNAME", "佐藤");
    TypeInto(&e, "DBEditFURI", "さとう");
    e.btnPost->click();
    expectButtons(e, true);
    EXPECT_EQ(committed("select count(*) from SHOKU"), "3");
    EXPECT_EQ(committed("select FURI from SHOKU where NAME = '佐藤'"), "さとう");
    EXPECT_EQ(e.DBEditNAME->text(), "佐藤");
    EXPECT_GT(e.IBTable1.FieldByName("SHCD").AsInteger(), 2);

    // Navigate, then edit by typing and cancel: the old text returns.
    e.btnPrev->click();
    EXPECT_EQ(e.DBEditNAME->text(), "井上");
    TypeText(e.DBEditFURI, "X");
    EXPECT_EQ(e.IBTable1.State(), DataSetState::Edit);
    expectButtons(e, false);
    e.btnCancel->click();
    EXPECT_EQ(e.DBEditFURI->text(), "いのうえ");
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
    TypeText(e.DBEditNAME, "未登録");
    messages.answer(false);
    e.close();
    EXPECT_EQ(messages.texts().last(), "未登録のデータがあります。それでも終了しますか？");
    EXPECT_TRUE(e.isVisible());
    EXPECT_EQ(e.IBTable1.State(), DataSetState::Edit);
    EXPECT_EQ(e.DBEditNAME->text(), "未登録佐藤");
    messages.answer(true);
    e.close();
    EXPECT_FALSE(e.isVisible());
    EXPECT_FALSE(e.IBTable1.Active());
    EXPECT_EQ(committed("select count(*) from SHOKU where NAME like '%未登録%'"), "0");
    EXPECT_EQ(messages.unansweredQuestions(), 0);
}

TEST_F(TEditFormTest, CancelOfANewRecordReturnsToThePreviousOneAndEscapeAsksToo)
{
    auto editor = makeEditor();
    SampleStaffEditor &e = *editor;
    e.btnNext->click();
    e.btnNew->click();
    TypeText(e.DBEditNAME, "取り消す");
    e.btnCancel->click();
    EXPECT_EQ(e.DBEditNAME->text(), "井上");
    EXPECT_EQ(committed("select count(*) from SHOKU"), "2");

    TypeText(e.DBEditNAME, "!");
    PressKey(&e, Qt::Key_Escape);
    EXPECT_TRUE(e.isVisible());
    EXPECT_EQ(messages.unansweredQuestions(), 1);
}

TEST_F(TEditFormTest, ARefusedPostKeepsTheRecordAndItsText)
{
    auto editor = makeEditor();
    SampleStaffEditor &e = *editor;
    e.btnNew->click();
    TypeText(e.DBEditFURI, "なまえなし");
    e.btnPost->click();
    EXPECT_EQ(messages.texts().last(), "氏名が有りません");
    EXPECT_EQ(e.IBTable1.State(), DataSetState::Insert);
    EXPECT_EQ(e.DBEditFURI->text(), "なまえなし");
    EXPECT_TRUE(e.btnPost->isEnabled());
    TypeText(e.DBEditNAME, "名前あり");
    e.btnPost->click();
    EXPECT_EQ(committed("select FURI from SHOKU where NAME = '名前あり'"), "なまえなし");
}

TEST_F(TEditFormTest, EnterMovesToTheNextFieldAndShiftEnterBack)
{
    auto editor = makeEditor();
    SampleStaffEditor &e = *editor;
    e.DBEditNAME->setFocus();
    PressEnter(e.DBEditNAME);
    EXPECT_EQ(e.focusWidget(), e.DBEditFURI);
    PressKey(e.DBEditFURI, Qt::Key_Enter);
    EXPECT_EQ(e.focusWidget(), e.DBComboBoxPOST);
    PressKey(e.DBComboBoxPOST, Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(e.focusWidget(), e.DBEditFURI);
    EXPECT_EQ(e.IBTable1.State(), DataSetState::Browse);  // moving on types nothing
}

TEST_F(TEditFormTest, StartModeRunsTheImportOnlyWhenItsButtonIsShown)
{
    auto hidden = std::make_unique<SampleStaffEditor>(transaction(), store, imageRoot.path() + "/");
    hidden->StartMode = 1;
    hidden->show();
    QApplication::processEvents();
    EXPECT_EQ(hidden->imports, 0);

    auto shown = std::make_unique<SampleStaffEditor>(transaction(), store, imageRoot.path() + "/");
    shown->btnImport->show();
    shown->StartMode = 1;
    shown->show();
    QApplication::processEvents();
    EXPECT_EQ(shown->imports, 1);
    shown->hide();
    shown->show();
    QApplication::processEvents();
    EXPECT_EQ(shown->imports, 1);
}

TEST_F(TEditFormTest, ImageFrameRegistersClearsAndShowsTheMissingPicture)
{
    auto editor = makeEditor();
    SampleStaffEditor &e = *editor;
    TImageFrame &frame = *e.ImageFrame1;
    EXPECT_EQ(frame.size(), QSize(115, 118));
    EXPECT_EQ(frame.btnOpen->toolTip(), "画像の登録");
    EXPECT_EQ(frame.btnDelete->toolTip(), "画像のクリア");

    fileDialogs.answer(jpegFile("photo.jpg"));
    frame.btnOpen->click();
    ASSERT_EQ(fileDialogs.asked().size(), 1);
    EXPECT_EQ(fileDialogs.asked()[0].request.filter, "JPEG イメージファイル (*.jpg)|*.jpg");
    EXPECT_EQ(frame.FileName, "KAO00002.JPG");
    EXPECT_TRUE(QFile::exists(frame.Folder() + "KAO00002.JPG"));
    EXPECT_FALSE(frame.ShowsPlaceholder());
    EXPECT_EQ(e.IBTable1.State(), DataSetState::Edit);
    e.btnPost->click();
    EXPECT_EQ(committed("select SDFL from SHOKU where NAME = '青木'"), "KAO00002.JPG");
    EXPECT_EQ(committed("select count(*) from IMGFL where FLNM = 'KAO00002.JPG'"), "1");

    frame.btnDelete->click();
    EXPECT_EQ(frame.FileName, "");
    fileDialogs.answer(jpegFile("other.jpg"));
    frame.btnOpen->click();
    EXPECT_NE(frame.FileName, "KAO00002.JPG");
    EXPECT_FALSE(frame.FileName.isEmpty());
    e.btnCancel->click();

    // A vanished file stores nothing and clears the frame; the owner hears of it.
    fileDialogs.answer(files.filePath("vanished.jpg"));
    frame.btnOpen->click();
    EXPECT_EQ(frame.FileName, "");
    EXPECT_TRUE(e.IBTable1.FieldByName("SDFL").IsNull());
    e.btnCancel->click();

    // A name without an IMGFL row shows the blue placeholder.
    exec("update SHOKU set SDFL = 'KAO09999.JPG' where NAME = '井上'");
    transaction().commitRetaining();
    e.IBTable1.Refresh();
    e.btnNext->click();
    EXPECT_EQ(frame.FileName, "KAO09999.JPG");
    EXPECT_TRUE(frame.ShowsPlaceholder());
}

TEST_F(TEditFormTest, WindowFontIsTheProgramFontDrawnWithIpaFonts)
{
    auto editor = makeEditor();
    EXPECT_EQ(editor->font().family(), "ＭＳ Ｐゴシック");
    EXPECT_EQ(editor->font().pixelSize(), 12);
    EXPECT_EQ(QFontInfo(editor->DBEditNAME->font()).family(), "IPAPGothic");
    EXPECT_EQ(editor->btnPost->text(), "登録(&P)");
    EXPECT_EQ(editor->btnExport->toolTip(), "ｴｸｽﾎﾟｰﾄ");
    EXPECT_FALSE(editor->btnExport->isVisible());
    // The title panel takes the configured look: blue panel, white bold 16-point title.
    EXPECT_EQ(editor->TitlePanel->palette().color(QPalette::Window), QColor(0, 0, 0xFF));
    EXPECT_EQ(editor->TitlePanel->palette().color(QPalette::WindowText), QColor(Qt::white));
    EXPECT_TRUE(editor->TitlePanel->font().bold());
    EXPECT_EQ(editor->TitlePanel->font().pointSize(), 16);
}

TEST_F(TEditFormTest, TitleStyleFollowsTheSettingsAndEditorsWithoutOwnTransactionDoNotCommit)
{
    IniFile ini(files.filePath("sorvik.ini"));
    ini.writeInteger("data", "TitleColor", 0x008000);
    ini.writeInteger("data", "TitleFontSize", 20);
    ini.writeBool("data", "TitleFontBold", false);
    ini.writeBool("data", "TitleFontItalic", true);
    AppContext::instance().IniFile = &ini;
    auto editor = makeEditor();
    AppContext::instance().IniFile = nullptr;
    EXPECT_EQ(editor->TitlePanel->palette().color(QPalette::Window), QColor(0, 0x80, 0));
    EXPECT_EQ(editor->TitlePanel->font().pointSize(), 20);
    EXPECT_FALSE(editor->TitlePanel->font().bold());
    EXPECT_TRUE(editor->TitlePanel->font().italic());

    editor->OwnTransaction = false;
    TypeText(editor->DBEditFURI, "!");
    editor->btnPost->click();
    EXPECT_EQ(committed("select FURI from SHOKU where NAME = '青木'"), "あおき");
    transaction().commitRetaining();
    EXPECT_EQ(committed("select FURI from SHOKU where NAME = '青木'"), "!あおき");
}

TEST_F(TEditFormTest, TitleLabelDefaultsToNavy)
{
    auto editor = makeEditor();
    QLabel label;
    editor->ApplyTitleStyle(&label);
    EXPECT_EQ(label.palette().color(QPalette::Window), QColor(0, 0, 0x80));
    EXPECT_EQ(label.palette().color(QPalette::WindowText), QColor(Qt::white));
}

TEST_F(TEditFormTest, MissingImageFolderIsReportedWhenTheFrameIsSetUp)
{
    auto editor = makeEditor();
    editor->ImageFrame1->SetSubDir("image");
    EXPECT_TRUE(messages.texts().isEmpty());
    editor->ImageFrame1->SetSubDir("gone");
    EXPECT_EQ(messages.texts().last(), "画像格納ディレクトリが存在しません。");
    EXPECT_EQ(editor->ImageFrame1->SubDir, "gone");
}

// Saves a picture of the editor for a person to look at when SORVIK_SCREENSHOT_DIR is set.
TEST_F(TEditFormTest, Screenshot)
{
    auto editor = makeEditor();
    store.FetchImageFile(store.StoreImageFile(0, jpegFile("face.jpg")), editor->ImageFrame1->Folder());
    editor->IBTable1.Edit();
    editor->IBTable1.FieldByName("SDFL").SetAsString("KAO00002.JPG");
    editor->IBTable1.FieldByName("POST").SetAsString("工事主任");
    editor->btnPost->click();
    editor->IBTable1.First();
    editor->btnImport->show();
    editor->btnExport->show();
    editor->StatusBar1->showMessage("2 件");
    QApplication::processEvents();
    const QImage shot = editor->grab().toImage();
    EXPECT_FALSE(shot.isNull());
    exec("update SHOKU set SDFL = 'KAO09999.JPG' where NAME = '井上'");
    editor->IBTable1.Refresh();
    editor->btnNext->click();
    const QImage missing = editor->grab().toImage();
    const QString folder = qEnvironmentVariable("SORVIK_SCREENSHOT_DIR");
    if (!folder.isEmpty()) {
        shot.save(QDir(folder).filePath("sample_staff_editor.png"));
        missing.save(QDir(folder).filePath("sample_staff_editor_missing_image.png"));
    }
}

}  // namespace
