#include "services/ModalService.h"
#include "services/QtFileDialogService.h"
#include "ScriptedFileDialogService.h"
#include "ScriptedModalService.h"
#include "services/WindowsFileFilter.h"

#include <QDialog>
#include <gtest/gtest.h>

TEST(WindowsFileFilterTest, PairsPatternsAndOneBasedIndexes)
{
    const WindowsFileFilter filter("EXPファイル|*.LZH|工事EXPファイル|工事*.LZH|画像|*.jpg;*.jpeg");
    ASSERT_EQ(filter.count(), 3);
    EXPECT_EQ(filter.description(1), "工事EXPファイル");
    EXPECT_EQ(filter.patterns(2), (QStringList{"*.jpg", "*.jpeg"}));
    EXPECT_EQ(filter.qtFilter(2), "工事EXPファイル (*)");
    EXPECT_EQ(filter.qtFilter(9), "EXPファイル (*)");
    EXPECT_EQ(filter.indexOfQtFilter("工事EXPファイル (*)"), 2);
    EXPECT_TRUE(filter.matches(1, "/tmp/backup.lzh"));
    EXPECT_TRUE(filter.matches(2, "工事_本社_200101.LZH"));
    EXPECT_FALSE(filter.matches(2, "業者_本社_200101.LZH"));
    EXPECT_TRUE(filter.matches(3, "FACE.JPEG"));
    EXPECT_EQ(WindowsFileFilter("").count(), 0);
    EXPECT_EQ(WindowsFileFilter("説明だけ").count(), 0);
}

TEST(WindowsFileFilterTest, DefaultExtensionOnlyForANameWithoutOne)
{
    EXPECT_EQ(QtFileDialogService::withDefaultExt("/tmp/工事_a", "LZH"), "/tmp/工事_a.LZH");
    EXPECT_EQ(QtFileDialogService::withDefaultExt("/tmp/a.lzh", "LZH"), "/tmp/a.lzh");
    EXPECT_EQ(QtFileDialogService::withDefaultExt("/tmp/a", ""), "/tmp/a");
}

TEST(ScriptedServicesTest, AnswerInOrderAndPutThePreviousServiceBack)
{
    FileDialogService *before = &FileDialogService::current();
    {
        ScriptedFileDialogService dialogs;
        dialogs.answer("/tmp/a.LZH");
        FileDialogRequest request;
        request.filterIndex = 2;
        EXPECT_EQ(FileDialogService::current().saveFile(request), "/tmp/a.LZH");
        EXPECT_EQ(FileDialogService::current().openFile(request), "");
        ASSERT_EQ(dialogs.asked().size(), 2);
        EXPECT_TRUE(dialogs.asked()[0].save);
        EXPECT_EQ(dialogs.asked()[1].request.filterIndex, 2);
    }
    EXPECT_EQ(&FileDialogService::current(), before);

    ScriptedModalService modal;
    modal.then([](QDialog &dialog) {
        dialog.setWindowTitle("driven");
        return int(QDialog::Accepted);
    });
    QDialog window;
    EXPECT_EQ(ModalService::current().run(window), QDialog::Accepted);
    EXPECT_EQ(window.windowTitle(), "driven");
    EXPECT_EQ(ModalService::current().run(window), QDialog::Rejected);
    EXPECT_EQ(modal.unscripted(), 1);
}
