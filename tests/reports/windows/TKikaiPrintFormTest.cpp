#include "CheckedDatePicker.h"
#include "PrintWindows.h"
#include "PrintFormFixture.h"
#include "TKikaiPrintForm.h"
#include "controls/DBGrid.h"
#include "equipment/VehicleNotificationDocument.h"
#include "tree/ConstructionSystem.h"

#include <QComboBox>
#include <QFile>
#include <QTabWidget>
#include <QTest>

using namespace sorvik::documents;

namespace {

// The notification list on the demo site's road project, opened as the main window opens
// it, with its documents recorded instead of shown and its editors scripted.
class TKikaiPrintFormTest : public PrintFormFixture
{
protected:
    void open(const QString &gyoCode, bool withEditors = true)
    {
        form = std::make_unique<TKikaiPrintForm>();
        form->Celvane1.setOutputHandler(output);
        form->KojiCode = QStringLiteral("1");
        if (withEditors) {
            form->OpenEditor = [this](QWidget *, EquipmentKind kind, const QString &koji, const QString &gyo,
                                      const QString &code, int mode) {
                editorCalls << QStringLiteral("%1 %2 %3 %4 %5").arg(int(kind)).arg(koji, gyo, code).arg(mode);
                return code;
            };
        }
        ASSERT_TRUE(form->LoadContractorList());
        form->SelectContractor(gyoCode);
        form->show();
    }
    void selectRows(DBGrid *grid, const QList<int> &rows)
    {
        grid->clearSelection();
        for (int row : rows)
            grid->selectionModel()->select(grid->model()->index(row, 0),
                                           QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }

    std::unique_ptr<TKikaiPrintForm> form;
    QStringList editorCalls;
};

TEST_F(TKikaiPrintFormTest, OpensOnTheTreeContractorWithItsRowsPrintable)
{
    open(QStringLiteral("4"));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("車両届・持込機械使用届"));
    EXPECT_EQ(form->ComboBox1->itemText(0), TKikaiPrintForm::AllContractors);
    EXPECT_EQ(form->ComboBox1->currentText(), QStringLiteral("有限会社石狩重機"));
    EXPECT_EQ(form->GyoCode, QStringLiteral("4"));
    EXPECT_EQ(form->dtPic->date(), QDate(2026, 6, 1));
    // Rows are there at once, so print, edit and delete are on from the start.
    EXPECT_EQ(form->DBGrid1->model()->rowCount(), 1);
    for (QPushButton *button : {form->btnPrint, form->btnPrevew, form->btnEdit, form->btnDel, form->btnNew})
        EXPECT_TRUE(button->isEnabled()) << button->objectName().toStdString();

    // The contractor has no tools.
    form->PageControl1->setCurrentIndex(2);
    EXPECT_EQ(form->DBGrid3->model()->rowCount(), 0);
    EXPECT_FALSE(form->btnPrint->isEnabled());
    EXPECT_FALSE(form->btnEdit->isEnabled());
    EXPECT_TRUE(form->btnNew->isEnabled());
}

TEST_F(TKikaiPrintFormTest, AContractorOutsideTheTreeOpensOnAllWithNewRecordsRefused)
{
    open(QStringLiteral("99"));
    EXPECT_EQ(form->ComboBox1->currentIndex(), 0);
    EXPECT_TRUE(form->GyoCode.isEmpty());
    form->PageControl1->setCurrentIndex(1);
    EXPECT_EQ(form->DBGrid2->model()->rowCount(), 2);
    QTest::mouseClick(form->btnNew, Qt::LeftButton);
    EXPECT_EQ(messages.texts(), QStringList{TKikaiPrintForm::ChooseContractor});
    EXPECT_TRUE(editorCalls.isEmpty());
}

TEST_F(TKikaiPrintFormTest, EditorButtonsOpenTheActivePagesEditorOnItsRecordOrANewOne)
{
    open(QStringLiteral("5"));
    form->PageControl1->setCurrentIndex(2);
    QTest::mouseClick(form->btnEdit, Qt::LeftButton);
    QTest::mouseClick(form->btnExport, Qt::LeftButton);
    QTest::mouseClick(form->btnNew, Qt::LeftButton);
    QTest::mouseClick(form->btnImport, Qt::LeftButton);
    EXPECT_EQ(editorCalls,
              (QStringList{QStringLiteral("2 1 5 1 0"), QStringLiteral("2 1 5 1 2"), QStringLiteral("2 1 5  0"),
                           QStringLiteral("2 1 5  1")}));
}

TEST_F(TKikaiPrintFormTest, WithoutEditorsTheirButtonsStayDisabled)
{
    open(QStringLiteral("2"), false);
    for (QPushButton *button : {form->btnNew, form->btnEdit, form->btnImport, form->btnExport})
        EXPECT_FALSE(button->isEnabled()) << button->objectName().toStdString();
    EXPECT_TRUE(form->btnDel->isEnabled());
    EXPECT_TRUE(form->btnPrint->isEnabled());
}

TEST_F(TKikaiPrintFormTest, SelectedRowsAcrossContractorsPrintAPageEach)
{
    open({});
    QTest::mouseClick(form->btnPrevew, Qt::LeftButton);
    EXPECT_EQ(messages.texts(), QStringList{TKikaiPrintForm::NothingSelected});
    EXPECT_TRUE(output->endings.empty());

    selectRows(form->DBGrid1, {0, 1});
    EXPECT_EQ(form->Choices().codes, (QStringList{QStringLiteral("1"), QStringLiteral("2")}));
    QTest::mouseClick(form->btnPrevew, Qt::LeftButton);
    ASSERT_EQ(output->endings.size(), 1u);
    EXPECT_TRUE(output->endings[0].preview);
    EXPECT_EQ(output->endings[0].document.sheets[0].name, VehicleNotificationDocument::SheetName);
}

TEST_F(TKikaiPrintFormTest, AVehicleWithDailyRecordsIsKeptAndADeclinedDeleteChangesNothing)
{
    exec(QStringLiteral("Insert into D_CARRY (KJCD, GYOCD, WKDT, CRCD) values (1, 2, '2026/06/01', 1)"));
    open({});
    QTest::mouseClick(form->btnDel, Qt::LeftButton);
    EXPECT_EQ(messages.texts(), QStringList{TKikaiPrintForm::UsedInDailyRecords});

    form->PageControl1->setCurrentIndex(2);
    messages.clear();
    messages.answer(false);
    QTest::mouseClick(form->btnDel, Qt::LeftButton);
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("削除しますか？")});
    EXPECT_EQ(committedColumn(QStringLiteral("Select count(*) from KOUGU where KJCD = 1")), QStringList{"1"});

    messages.answer(true);
    QTest::mouseClick(form->btnDel, Qt::LeftButton);
    EXPECT_EQ(committedColumn(QStringLiteral("Select count(*) from KOUGU where KJCD = 1")), QStringList{"0"});
    EXPECT_FALSE(form->btnDel->isEnabled());
    EXPECT_FALSE(form->btnPrint->isEnabled());
}

TEST_F(TKikaiPrintFormTest, TheMainWindowsOpenerHandsOverTheTreeContractor)
{
    PrintRequest request;
    request.window = PrintWindow::Notifications;
    request.kojiCode = QStringLiteral("1");
    request.gyoCode = QStringLiteral("4");
    modal.then([&](QDialog &dialog) {
        auto *window = qobject_cast<TKikaiPrintForm *>(&dialog);
        EXPECT_NE(window, nullptr);
        if (window) {
            dialog.show();
            EXPECT_EQ(window->GyoCode, QStringLiteral("4"));
            window->PageControl1->setCurrentIndex(1);
            EXPECT_EQ(window->DBGrid2->model()->rowCount(), 2);
            if (const QString folder = qEnvironmentVariable("SORVIK_SCREENSHOT_DIR"); !folder.isEmpty()) {
                EXPECT_TRUE(window->grab().save(folder + QStringLiteral("/kikai-print.png")));
            }
        }
        return int(QDialog::Rejected);
    });
    PrintWindows::Open(nullptr, request, {});
    EXPECT_EQ(modal.unscripted(), 0);
}

}  // namespace
