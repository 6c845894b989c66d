#include "ChartEditorFixture.h"
#include "TColorDlg.h"
#include "TItemForm.h"
#include "TLayout.h"
#include "UiInput.h"
#include "bases/TPanel.h"
#include "dateedit/TplDateEdit.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

namespace {

// Arranging the autumn chart: prime 1 at (0,0); 2 (1,0), 4 (2,0), 6 (3,0), 5 (2,1), 3 (1,2),
// 7 (2,2).
class ChartArrangingTest : public ChartEditorFixture
{
protected:
    void SetUp() override
    {
        ChartEditorFixture::SetUp();
        open();
    }

    QColor pixel(const QString &code, int dx, int dy) const
    {
        const TKItem *item = box(code);
        return QColor::fromRgb(bitmap().pixel(item->Left() + dx, item->Top() + dy));
    }
};

TEST_F(ChartArrangingTest, DraggingMovesABoxByWholeCellsAndTheSaveKeepsItsCell)
{
    drag(QStringLiteral("7"), {3, 3});
    EXPECT_EQ(cell("7"), QPoint(3, 3));
    EXPECT_EQ(form->EditState(), ChartEditState::Modified);
    EXPECT_TRUE(form->btnPost->isEnabled());
    form->btnPost->click();
    EXPECT_TRUE(committedRows(QStringLiteral("2026/10/01")).contains(QStringLiteral("7:3:2:1/4/3")));
}

TEST_F(ChartArrangingTest, ADropOnATakenCellOrOutsideTheScrollBoxMovesNothing)
{
    drag(QStringLiteral("7"), {3, 0});
    EXPECT_EQ(cell("7"), QPoint(2, 2));

    // Released over the button row, below the scroll box.
    const QPoint from = centre(QStringLiteral("7"));
    press(from);
    moveTo(from + QPoint(130, 0));
    const QPoint below = form->Layout1->mapFrom(form.get(), form->JobPanel->geometry().center());
    release(below);
    EXPECT_EQ(cell("7"), QPoint(2, 2));
    EXPECT_EQ(form->EditState(), ChartEditState::Saved);
    EXPECT_EQ(form->Layout1->MouseState(), TMouseState::Idle);
}

TEST_F(ChartArrangingTest, DraggingBelowTheScrollBoxScrollsItDown)
{
    QScrollBar *bar = form->ScrollBox1->verticalScrollBar();
    ASSERT_EQ(bar->value(), 0);
    const QPoint from = centre(QStringLiteral("6"));
    press(from);
    const int belowBox = form->ScrollBox1->viewport()->height() + 30;
    moveTo(QPoint(from.x(), belowBox));
    EXPECT_TRUE(form->Layout1->ScrollTimer->isActive());
    EXPECT_FALSE(form->Layout1->ScrollUp);
    QTest::qWait(60);
    EXPECT_GT(bar->value(), 0);
    // Back inside, the scrolling stops; the release ends it in any case.
    moveTo(QPoint(from.x(), bar->value() + 200));
    EXPECT_FALSE(form->Layout1->ScrollTimer->isActive());
    release(QPoint(from.x(), bar->value() + 200));
    EXPECT_FALSE(form->Layout1->ScrollTimer->isActive());
}

TEST_F(ChartArrangingTest, TheDeleteKeyRemovesTheSelectionWithItsSubtreeOnlyFromTheLayout)
{
    click(QStringLiteral("4"));
    EXPECT_EQ(QApplication::focusWidget(), form->Layout1);
    key(Qt::Key_Delete);
    EXPECT_EQ(codes(), QString("1,2,5,3,7").split(','));
    EXPECT_EQ(form->EditState(), ChartEditState::Modified);

    // While the date is typed, Delete belongs to the date.
    click(QStringLiteral("3"));
    form->edtAPDT->setFocus();
    form->edtAPDT->setCursorPosition(0);
    key(Qt::Key_Delete);
    EXPECT_EQ(form->edtAPDT->text(), QStringLiteral("026/10/01"));
    EXPECT_EQ(codes(), QString("1,2,5,3,7").split(','));
}

TEST_F(ChartArrangingTest, TheMenuDeletesABoxWithItsSubtreeAndAddsAContractorUnderABox)
{
    choose(QStringLiteral("3"), form->mnuDelete);
    EXPECT_EQ(codes(), QString("1,2,4,6,5").split(','));
    EXPECT_EQ(form->EditState(), ChartEditState::Modified);

    services.contractors << ContractorChoice{QStringLiteral("1"), QStringLiteral("8"), QStringLiteral("サッポロ電設")};
    choose(QStringLiteral("2"), form->mnuInsert);
    EXPECT_EQ(services.leaveOuts, QStringList{QStringLiteral("1,2,4,6,5")});
    const ChartBox &added = box("8")->Box();
    EXPECT_EQ(added.CompanyName, QStringLiteral("株式会社サッポロ電設"));
    EXPECT_EQ(added.ChiefEngineer, QStringLiteral("森 和也"));
    EXPECT_EQ(added.ParentCode, 2);
    EXPECT_EQ(added.Tier, 2);
    EXPECT_EQ(box("8")->ParentItem(), box("2"));
    EXPECT_EQ(cell("8"), QPoint(2, 2));

    form->btnPost->click();
    EXPECT_EQ(committedRows(QStringLiteral("2026/10/01")),
              QString("1:0:0:1/1/0,2:1:1:1/1/1,4:2:2:1/1/2,5:2:2:1/2/2,6:4:3:1/1/3,8:2:2:1/3/2").split(','));
}

TEST_F(ChartArrangingTest, TheColourDialogAppliesOnlyWhenClosedWithItsButton)
{
    modal.thenShow<TColorDlg>([](TColorDlg &dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("色指定"));
        EXPECT_EQ(dialog.FrameStyle(), 4);
        EXPECT_EQ(dialog.pnlSample->palette().color(QPalette::Window), QColor(0x00, 0xFF, 0xFF));
        QTest::mouseClick(dialog.findChild<QWidget *>(QStringLiteral("clGreen")), Qt::LeftButton);
        EXPECT_EQ(dialog.pnlSample->palette().color(QPalette::Window), QColor(0x00, 0x80, 0x00));
        EXPECT_EQ(dialog.pnlSample->palette().color(QPalette::WindowText), QColor(0xFF, 0x7F, 0xFF));
        for (QRadioButton *radio : dialog.rgLine->findChildren<QRadioButton *>())
            if (radio->text() == QStringLiteral("二重線"))
                QTest::mouseClick(radio, Qt::LeftButton);
        ClickButton(&dialog, "btnClose");
    });
    choose(QStringLiteral("6"), form->nmColor);
    EXPECT_EQ(box("6")->Box().BoxColor, QStringLiteral("clGreen"));
    EXPECT_EQ(box("6")->Box().FrameStyle, 3);
    EXPECT_EQ(box("6")->Color(), ChartColor(0x008000));
    EXPECT_EQ(form->EditState(), ChartEditState::Modified);

    modal.thenShow<TColorDlg>([](TColorDlg &dialog) {
        QTest::mouseClick(dialog.findChild<QWidget *>(QStringLiteral("clRed")), Qt::LeftButton);
        dialog.reject();
    });
    choose(QStringLiteral("4"), form->nmColor);
    EXPECT_EQ(box("4")->Box().BoxColor, QStringLiteral("clYellow"));
    EXPECT_EQ(modal.unscripted(), 0);
}

TEST_F(ChartArrangingTest, ABoxIsDrawnInItsColourWithItsFrameAndInNavyWhileSelected)
{
    // Contractor 2: red with a double frame line, insets 2 and 4.
    const QColor red(0xFF, 0x00, 0x00);
    EXPECT_EQ(pixel("2", 58, 1), red);
    EXPECT_EQ(pixel("2", 58, 2), QColor(Qt::black));
    EXPECT_EQ(pixel("2", 58, 3), red);
    EXPECT_EQ(pixel("2", 58, 4), QColor(Qt::black));
    EXPECT_EQ(pixel("2", 58, 5), red);
    EXPECT_EQ(pixel("2", 2, 58), QColor(Qt::black));
    // The raised edges of the base box.
    EXPECT_EQ(pixel("2", 58, 0), QColor(Qt::white));
    EXPECT_EQ(pixel("2", 58, 116), QColor(Qt::black));
    // Text in the name area.
    bool text = false;
    for (int y = 8; y < 36 && !text; ++y)
        for (int x = 3; x < 114 && !text; ++x)
            text = pixel("2", x, y) == QColor(Qt::black);
    EXPECT_TRUE(text);

    click(QStringLiteral("2"));
    EXPECT_EQ(pixel("2", 58, 5), QColor(0x00, 0x00, 0x80));
    EXPECT_EQ(pixel("2", 58, 4), QColor(Qt::black));
}

TEST_F(ChartArrangingTest, TheParticularsDialogShowsTheContractorReadOnly)
{
    modal.thenShow<TItemForm>([](TItemForm &dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("施工体系図業者設定"));
        auto *name = dialog.findChild<QLineEdit *>(QStringLiteral("edtCPNM"));
        EXPECT_EQ(name->text(), QStringLiteral("株式会社千歳鉄筋"));
        EXPECT_TRUE(name->isReadOnly());
        EXPECT_EQ(dialog.findChild<QLineEdit *>(QStringLiteral("edtKJNM"))->text(),
                  QStringLiteral("鉄筋組立工事（排水構造物）"));
        auto *end = dialog.findChild<TplDateEdit *>(QStringLiteral("dtFNDT"));
        EXPECT_FALSE(end->isEnabled());
        EXPECT_EQ(end->GetDateText(), QStringLiteral("2026/12/18"));
        ClickButton(&dialog, "btnClose");
    });
    choose(QStringLiteral("5"), form->mnuDisplay);
    EXPECT_EQ(modal.unscripted(), 0);
    EXPECT_EQ(form->EditState(), ChartEditState::Saved);
}

}  // namespace
