// The exchange's dialogs as the program shows them, worked by clicks: what each shows,
// which controls a user can reach, and what the exchange reads back.

#include "ImportReview.h"
#include "PackageFiles.h"
#include "ScriptedServices.h"
#include "exchange/QtPackageDialogs.h"
#include "exchange/TExportForm.h"
#include "exchange/TImportForm.h"
#include "UiInput.h"

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace sorvik::package;

namespace {

const QStringList kFileInfo = {QStringLiteral("ファイル種別：作業員情報"), QStringLiteral(" 作  成  者 ：北辰建設"),
                               QStringLiteral(" 作  成  日 ：2026/12/09"), QStringLiteral(" バージョン ：0.5")};

// What the import dialog is given for a package of `kind` (nullopt: a unit file) whose
// SCHEME says `schemeKind`.
ImportReview reviewOf(std::optional<int> kind, int schemeKind)
{
    PackageContent content;
    content.fileInfo = kFileInfo;
    PackageScheme scheme;
    scheme.kind = QString::number(schemeKind);
    content.scheme = scheme;
    return ImportReview::of(content, kind);
}

ImportReview reviewOf(std::optional<int> kind)
{
    return reviewOf(kind, kind.value_or(-1));
}

struct CautionLook
{
    QColor background;
    QColor text;
    bool bold;
    bool operator==(const CautionLook &) const = default;
};

CautionLook lookOf(const QLabel *label)
{
    return {label->palette().color(QPalette::Window), label->palette().color(QPalette::WindowText),
            label->font().bold()};
}

const CautionLook kSilverPhase{QColor(0xC0, 0xC0, 0xC0), QColor(0x00, 0x80, 0x00), true};
const CautionLook kWhitePhase{QColor(Qt::white), QColor(0xFF, 0x00, 0x00), false};

class QtPackageDialogsTest : public ::testing::Test
{
protected:
    ScriptedServices services;
    QtPackageDialogs dialogs;
};

}  // namespace

TEST_F(QtPackageDialogsTest, TheExportDialogShowsTheHeaderAndWritesScrambledUnlessForAnOlderRelease)
{
    services.modal.thenShow<TExportForm>([](TExportForm &form) {
        EXPECT_EQ(form.windowTitle(), "データを作成する");
        EXPECT_EQ(form.Memo1->toPlainText().split('\n'), kFileInfo);
        EXPECT_TRUE(form.Memo1->isReadOnly());
        EXPECT_EQ(form.chkAngou->text(), "2006年版 より前のバージョンに提出の場合");
        EXPECT_EQ(form.btnOK->text(), "作成する");
        EXPECT_EQ(form.btnCancel->text(), "取り消し");
        ClickButton(&form, "btnOK");
    });
    const ExportAnswer scrambled = dialogs.confirmExport(kFileInfo);
    EXPECT_TRUE(scrambled.accepted);
    EXPECT_FALSE(scrambled.forOlderVersion);

    services.modal.thenShow<TExportForm>([](TExportForm &form) {
        ClickButton(&form, "chkAngou");
        ClickButton(&form, "btnOK");
    });
    const ExportAnswer plain = dialogs.confirmExport(kFileInfo);
    EXPECT_TRUE(plain.accepted);
    EXPECT_TRUE(plain.forOlderVersion);
}

TEST_F(QtPackageDialogsTest, ACancelledExportOrImportIsNotAccepted)
{
    services.modal.thenShow<TExportForm>([](TExportForm &form) { ClickButton(&form, "btnCancel"); });
    EXPECT_FALSE(dialogs.confirmExport(kFileInfo).accepted);

    services.modal.thenShow<TImportForm>([](TImportForm &form) {
        ClickButton(&form, "chkOverwrite");
        ClickButton(&form, "btnCancel");
    });
    EXPECT_FALSE(dialogs.confirmImport(reviewOf(3)).accepted);

    // Closed with the window's own button.
    services.modal.thenShow<TImportForm>([](TImportForm &form) { form.close(); });
    EXPECT_FALSE(dialogs.confirmImport(reviewOf(0)).accepted);
}

TEST_F(QtPackageDialogsTest, AnImportReturnsTheOverwriteBoxAsItWasWhenConfirmed)
{
    services.modal.thenShow<TImportForm>([](TImportForm &form) {
        EXPECT_EQ(form.windowTitle(), "職員情報取り込み");
        EXPECT_EQ(form.Memo1->toPlainText().split('\n'), kFileInfo);
        EXPECT_EQ(form.chkOverwrite->text(), "同じデータの場合内容を上書きする");
        EXPECT_FALSE(form.chkOverwrite->isChecked());
        ClickButton(&form, "btnOK");
    });
    const ImportAnswer kept = dialogs.confirmImport(reviewOf(3));
    EXPECT_TRUE(kept.accepted);
    EXPECT_FALSE(kept.overwrite);

    services.modal.thenShow<TImportForm>([](TImportForm &form) {
        ClickButton(&form, "chkOverwrite");
        ClickButton(&form, "btnOK");
    });
    const ImportAnswer overwritten = dialogs.confirmImport(reviewOf(4));
    EXPECT_TRUE(overwritten.accepted);
    EXPECT_TRUE(overwritten.overwrite);
}

TEST_F(QtPackageDialogsTest, TheOverwriteBoxIsOfferedForWorkersStaffAndNamesOnly)
{
    for (int kind = 0; kind <= 13; ++kind) {
        TImportForm form(reviewOf(kind));
        form.show();
        EXPECT_EQ(form.chkOverwrite->isVisible(), kind >= 2 && kind <= 4) << kind;
    }
    TImportForm unit(reviewOf(std::nullopt));
    unit.show();
    EXPECT_EQ(unit.windowTitle(), "新しい工事の情報として全て取り込みます");
    EXPECT_FALSE(unit.chkOverwrite->isVisible());
    EXPECT_FALSE(unit.lblCaution->isVisible());
    EXPECT_TRUE(unit.btnOK->isEnabled());
}

TEST_F(QtPackageDialogsTest, TheCautionBlinksForWorkersOnly)
{
    TImportForm workers(reviewOf(2));
    workers.show();
    ASSERT_TRUE(workers.lblCaution->isVisible());
    EXPECT_EQ(workers.lblCaution->text(), "取り込む業者と書き込む業者名を\nよく確認してから取り込みます。");
    EXPECT_EQ(lookOf(workers.lblCaution), kSilverPhase);
    // The timer itself turns it within its 500 ms.
    EXPECT_TRUE(QTest::qWaitFor([&] { return lookOf(workers.lblCaution) == kWhitePhase; }, 2000));
    workers.Timer1Timer();
    EXPECT_EQ(lookOf(workers.lblCaution), kSilverPhase);
    EXPECT_EQ(workers.Timer1->interval(), 500);
    workers.hide();
    EXPECT_FALSE(workers.Timer1->isActive());

    for (int kind : {0, 1, 3, 4, 5, 6, 7, 8, 9, 13}) {
        TImportForm other(reviewOf(kind));
        other.show();
        EXPECT_FALSE(other.lblCaution->isVisible()) << kind;
        EXPECT_FALSE(other.Timer1->isActive()) << kind;
    }
}

TEST_F(QtPackageDialogsTest, AFileThatCannotBeImportedCanOnlyBeCancelled)
{
    services.modal.thenShow<TImportForm>([](TImportForm &form) {
        EXPECT_FALSE(form.btnOK->isEnabled());
        EXPECT_TRUE(form.btnCancel->isEnabled());
        ClickButton(&form, "btnCancel");
    });
    EXPECT_FALSE(dialogs.confirmImport(reviewOf(2, 3)).accepted);
}

TEST_F(QtPackageDialogsTest, FileDialogsAreAskedAsTheExchangeDescribesThem)
{
    services.fileDialogs.answer(QStringLiteral("/tmp/staff.lzh"));
    services.fileDialogs.answer(QString());
    EXPECT_EQ(dialogs.chooseSaveFile(unitUnloadRequest(QStringLiteral("国道"))), "/tmp/staff.lzh");
    EXPECT_EQ(dialogs.chooseOpenFile(staffImportRequest()), "");

    ASSERT_EQ(services.fileDialogs.asked().size(), 2);
    const auto &save = services.fileDialogs.asked()[0];
    EXPECT_TRUE(save.save);
    EXPECT_EQ(save.request.filter, "ロードファイル|*.LDF");
    EXPECT_EQ(save.request.defaultExt, "LDF");
    EXPECT_EQ(save.request.fileName, "Sorvikユニット_国道.LDF");
    EXPECT_TRUE(save.request.overwritePrompt);
    const auto &open = services.fileDialogs.asked()[1];
    EXPECT_FALSE(open.save);
    EXPECT_EQ(open.request.filter, kMainOpenFilter);
    EXPECT_EQ(open.request.filterIndex, 2);
    EXPECT_TRUE(open.request.fileMustExist);
}
