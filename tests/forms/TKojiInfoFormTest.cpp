#include "EditorFixture.h"
#include "UiInput.h"

#include "bases/TPanel.h"
#include "controls/DBControls.h"
#include "data/DataField.h"
#include "editors/TKojiInfoForm.h"
#include "kit/DBDateEdit.h"
#include "program/CurrentProject.h"
#include "records/ProjectRules.h"

#include <QDir>
#include <QLineEdit>
#include <QTabWidget>
#include <QtTest/QTest>

namespace {

// The project 1 with two versions, every carried column of the newer one distinct.
class TKojiInfoFormTest : public EditorFixture<SiteFixture>
{
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        AppContext::instance().WorkDate = QDate(2026, 12, 9);
        AppContext::Project().Select({"1", "川沿地区道路改良工事", "2026/04/01", true});
        execute({"insert into KOJI (KJCD, APDT, KJNM, CRDT) values (1, '2026/04/01', '川沿地区道路改良工事',"
                 " '2026/04/01')",
                 "insert into KOJI (KJCD, APDT, " + ProjectRules::RevisionColumns().join(',') + ", CRDT, EDDT)"
                     + " values (1, '2026/09/15', " + distinctValues().join(',') + ", '2026/09/01', '2026/09/15')",
                 "insert into KOJI (KJCD, APDT, KJNM, JV, TTNM, ODNM) values (2, '2026/10/01', '北光町', 1, '店社',"
                 " '北光不動産')"});
    }

    // A value of each carried column unlike any other: dates for dates, the JV flag.
    static QStringList distinctValues()
    {
        QStringList values;
        const QStringList columns = ProjectRules::RevisionColumns();
        for (int i = 0; i < columns.size(); ++i) {
            const QString &column = columns[i];
            if (column == "JV")
                values << "1";
            else if (column.endsWith("DT"))
                values << QString("'2026/%1/%2'").arg(i % 12 + 1, 2, 10, QChar('0')).arg(i + 1, 2, 10, QChar('0'));
            else
                values << QString("'値%1'").arg(i);
        }
        return values;
    }
    static QString joined(const QStringList &columns) { return columns.join("||'|'||"); }

    void show(TKojiInfoForm &form)
    {
        form.show();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    }
    QString field(TKojiInfoForm &form, const char *column) { return form.IBTable1.FieldByName(column).AsString(); }
    static QLineEdit *edit(TKojiInfoForm &form, const QString &name) { return form.FindControl<QLineEdit>(name); }
    static void retype(QLineEdit *edit, const QString &text)
    {
        edit->setFocus();
        edit->selectAll();
        TypeText(edit, text);
    }
    static void typeDate(TKojiInfoForm &form, const char *name, const QString &y, const QString &m, const QString &d)
    {
        auto *date = form.FindControl<DBDateEdit>(QLatin1String(name));
        retype(date->findChild<QLineEdit *>("year"), y);
        retype(date->findChild<QLineEdit *>("month"), m);
        retype(date->findChild<QLineEdit *>("day"), d);
    }
};

TEST_F(TKojiInfoFormTest, OpensOnTheNewestVersionOfTheProject)
{
    TKojiInfoForm form(context());
    form.KojiCode = "1";
    show(form);
    EXPECT_EQ(form.windowTitle(), "工事契約者情報");
    EXPECT_EQ(form.TitlePanel->caption(), "川沿地区道路改良工事");
    EXPECT_EQ(form.lblID->text(), "適用日付");
    EXPECT_EQ(form.btnNew->text(), "改訂(&A)");
    EXPECT_TRUE(form.btnImport->isVisible() && form.btnExport->isVisible());
    EXPECT_EQ(edit(form, "DBEditAPDT")->text(), "2026/09/15");
    EXPECT_EQ(form.FindControl<QTabWidget>("PageControl1")->currentIndex(), 0);
    EXPECT_FALSE(form.NewKoji);
    EXPECT_EQ(form.IBTable1.RecordCount(), 2);
}

TEST_F(TKojiInfoFormTest, ARevisionCopiesEveryCarriedColumnOfTheVersionShown)
{
    {
        TKojiInfoForm form(context());
        form.KojiCode = "1";
        show(form);
        form.btnNew->click();
        EXPECT_EQ(edit(form, "DBEditAPDT")->text(), "2026/12/09");
        EXPECT_EQ(field(form, "CRDT"), QDate::currentDate().toString("yyyy/MM/dd"));
        EXPECT_TRUE(field(form, "EDDT").isEmpty());
        form.btnPost->click();
        EXPECT_TRUE(form.Posted);
    }
    const QStringList versions = committedColumn("select " + joined(ProjectRules::RevisionColumns())
                                                 + " from KOJI where KJCD = 1 and APDT >= '2026/09/15' order by APDT");
    ASSERT_EQ(versions.size(), 2);
    const QStringList before = versions[0].split('|');
    const QStringList after = versions[1].split('|');
    const QStringList columns = ProjectRules::RevisionColumns();
    ASSERT_EQ(after.size(), columns.size());
    for (int i = 0; i < columns.size(); ++i)
        EXPECT_EQ(after[i], before[i]) << columns[i].toStdString();
}

TEST_F(TKojiInfoFormTest, TheApplicationDateIsCheckedOnLeavingAndKeptAsTheDayItNames)
{
    TKojiInfoForm form(context());
    form.KojiCode = "1";
    show(form);
    form.btnNew->click();
    QLineEdit *applied = edit(form, "DBEditAPDT");
    for (const char *typed : {"2019-04-01", "2019/ 4/01", "2019/04/01x"}) {
        retype(applied, typed);
        QTest::keyClick(applied, Qt::Key_Tab);
        EXPECT_EQ(applied->text(), "2019/04/01") << typed;
        EXPECT_TRUE(messages.texts().isEmpty());
    }
    retype(applied, "2019/4/1");
    QTest::keyClick(applied, Qt::Key_Tab);
    EXPECT_EQ(messages.texts(), QStringList{"適用日付は正しく\"yyyy/mm/dd\"でなければなりません"});
    EXPECT_EQ(QApplication::focusWidget(), applied);
    EXPECT_EQ(applied->text(), "2019/4/1");
    // Posting checks it again.
    form.btnPost->click();
    EXPECT_EQ(messages.texts().size(), 2);
    EXPECT_EQ(form.IBTable1.State(), DataSetState::Insert);
    retype(applied, "2019-04-01");
    form.btnPost->click();
    EXPECT_EQ(committed("select count(*) from KOJI where APDT = '2019/04/01'"), "1");
}

TEST_F(TKojiInfoFormTest, ASecondVersionOnTheSameDayIsRefusedOnceAndTheRowStaysOpen)
{
    TKojiInfoForm form(context());
    form.KojiCode = "1";
    show(form);
    form.btnNew->click();
    retype(edit(form, "DBEditAPDT"), "2026/09/15");
    form.btnPost->click();
    EXPECT_EQ(messages.texts(),
              QStringList{"キーの値が重複しています。\r適用日付がある場合は同じ値は使用できません。"});
    EXPECT_EQ(form.IBTable1.State(), DataSetState::Insert);
    retype(edit(form, "DBEditAPDT"), "2026/09/16");
    form.btnPost->click();
    EXPECT_EQ(form.IBTable1.State(), DataSetState::Browse);
    EXPECT_EQ(messages.texts().size(), 1);
    EXPECT_EQ(committed("select count(*) from KOJI where KJCD = 1"), "3");
}

TEST_F(TKojiInfoFormTest, ANewProjectInheritsNothingAndAppliesFromItsStart)
{
    AppContext::Project().SetSafetyKind("元方");
    TKojiInfoForm form(context());
    show(form);
    EXPECT_TRUE(form.NewKoji);
    EXPECT_EQ(form.KojiCode, "3");
    EXPECT_EQ(form.TitlePanel->caption(), "工事契約者情報");
    EXPECT_EQ(form.IBTable1.State(), DataSetState::Insert);
    EXPECT_EQ(QApplication::focusWidget(), edit(form, "DBEditKJNM"));
    for (const QString &column : ProjectRules::RevisionColumns()) {
        if (column != "JV" && column != "TTNM" && column != "KG" && column != "IK") {
            EXPECT_TRUE(field(form, column.toLatin1()).isEmpty()) << column.toStdString();
        }
    }
    EXPECT_EQ(field(form, "JV") + field(form, "TTNM"), "0元方");

    TypeText(edit(form, "DBEditKJNM"), "新川橋架替工事");
    // Leaving a blank start leaves the date; a start entered is the day it applies from.
    auto *start = form.FindControl<DBDateEdit>("dtSTDT");
    start->findChild<QLineEdit *>("year")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    form.FindControl<DBDateEdit>("dtFNDT")->findChild<QLineEdit *>("year")->setFocus();
    EXPECT_EQ(edit(form, "DBEditAPDT")->text(), "2026/12/09");
    typeDate(form, "dtSTDT", "9", "4", "1");  // 令和 9
    form.FindControl<DBDateEdit>("dtFNDT")->findChild<QLineEdit *>("year")->setFocus();
    EXPECT_EQ(edit(form, "DBEditAPDT")->text(), "2027/04/01");

    form.btnPost->click();
    EXPECT_TRUE(messages.texts().isEmpty()) << messages.texts().join('|').toStdString();
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(form.Posted);
    EXPECT_EQ(form.KojiCode, "3");
    EXPECT_EQ(committedColumn("select APDT||'|'||STDT||'|'||coalesce(ODNM, '-') from KOJI where KJCD = 3"),
              QStringList{"2027/04/01|2027/04/01|-"});
}

TEST_F(TKojiInfoFormTest, CancellingANewProjectClosesWithoutAProject)
{
    TKojiInfoForm form(context());
    show(form);
    TypeText(edit(form, "DBEditKJNM"), "取りやめ");
    form.btnCancel->click();
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(form.Posted);
    EXPECT_EQ(committed("select count(*) from KOJI"), "3");
}

TEST_F(TKojiInfoFormTest, DeletingKeepsTheLastVersionAndTellsTheOpener)
{
    TKojiInfoForm form(context());
    form.KojiCode = "1";
    show(form);
    messages.answer(true);
    form.btnDel->click();
    EXPECT_TRUE(form.Posted);
    EXPECT_EQ(committed("select APDT from KOJI where KJCD = 1"), "2026/04/01");
    form.btnDel->click();
    EXPECT_EQ(messages.texts().last(), "最低一件は残さなければなりません。");
    EXPECT_EQ(committed("select count(*) from KOJI where KJCD = 1"), "1");
}

TEST_F(TKojiInfoFormTest, OfficersComeFromTheStaffByTagAndTheViceChairmansCompanyFromTheContractors)
{
    services.staff = {{"高橋 誠", {}, {}, {}, {}}, {"伊藤 美咲", {}, {}, {}, {}}, {}};
    services.contractors = {{"1", "2", "株式会社丸山土木"}};
    TKojiInfoForm form(context());
    form.KojiCode = "1";
    show(form);
    form.FindControl<QTabWidget>("PageControl1")->setCurrentIndex(2);
    ClickButton(&form, "btnKJ");
    EXPECT_EQ(form.IBTable1.State(), DataSetState::Edit);
    EXPECT_EQ(edit(form, "DBEdit18")->text(), "高橋 誠");
    ClickButton(&form, "btnRPNM");
    ClickButton(&form, "btnKANM");  // the picker closed without a choice
    ClickButton(&form, "btnCom");
    EXPECT_EQ(services.leaveOuts, QStringList{QString()});
    // Choosing the kind of safety officer is remembered for the next new project.
    auto *kind = form.FindControl<DBComboBox>("DBComboBox1");
    kind->setFocus();
    QTest::keyClick(kind, Qt::Key_Down);  // 元方
    QTest::keyClick(kind, Qt::Key_Down);  // 店社
    form.btnPost->click();
    EXPECT_EQ(committedColumn("select ANNM||'|'||RPNM||'|'||KANM||'|'||FCNM||'|'||TTNM from KOJI where KJCD = 1"
                              " and APDT = '2026/09/15'"),
              QStringList{"高橋 誠|伊藤 美咲|値15|株式会社丸山土木|店社"});
    EXPECT_EQ(AppContext::Project().CurSafetyKind(), "店社");
}

TEST_F(TKojiInfoFormTest, AnImportTellsTheOpenerAndAnExportPostsFirstAndNamesTheProject)
{
    TKojiInfoForm form(context());
    form.KojiCode = "2";
    show(form);
    form.btnImport->click();
    ASSERT_EQ(services.imports.size(), 1);
    EXPECT_EQ(services.imports[0].kind, 0);
    EXPECT_TRUE(form.Posted);  // the opener reads the project again

    retype(edit(form, "DBEditKJNM"), "北光町集合住宅");
    form.btnExport->click();
    ASSERT_EQ(services.exports.size(), 1);
    EXPECT_EQ(services.exports[0].name, "北光町集合住宅");
    EXPECT_EQ(committed("select KJNM from KOJI where KJCD = 2"), "北光町集合住宅");
}

TEST_F(TKojiInfoFormTest, EmptyingADateOfTheVersionShownIsAChange)
{
    TKojiInfoForm form(context());
    form.KojiCode = "1";
    show(form);
    for (const char *part : {"year", "month", "day"})
        form.FindControl<DBDateEdit>("dtSGDT")->findChild<QLineEdit *>(part)->clear();
    EXPECT_EQ(form.IBTable1.State(), DataSetState::Edit);
    form.btnPost->click();
    EXPECT_EQ(committed("select coalesce(SGDT, 'none') from KOJI where APDT = '2026/09/15'"), "none");
}

// Pictures of the three pages for a person to look at when SORVIK_SCREENSHOT_DIR is set.
TEST_F(TKojiInfoFormTest, Screenshots)
{
    const QString folder = qEnvironmentVariable("SORVIK_SCREENSHOT_DIR");
    if (folder.isEmpty())
        GTEST_SKIP() << "SORVIK_SCREENSHOT_DIR is not set";
    execute({"update KOJI set TTNM = '元方', JV = 1 where KJCD = 1"});
    TKojiInfoForm form(context());
    form.KojiCode = "1";
    show(form);
    auto *pages = form.FindControl<QTabWidget>("PageControl1");
    for (int page = 0; page < pages->count(); ++page) {
        pages->setCurrentIndex(page);
        QApplication::processEvents();
        form.grab().save(QDir(folder).filePath(QString("project_%1.png").arg(page + 1)));
    }
}

}  // namespace
