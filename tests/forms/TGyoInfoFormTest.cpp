#include "EditorFixture.h"
#include "UiInput.h"

#include "config/ConfigKeys.h"
#include "controls/DBControls.h"
#include "controls/DBImageFrame.h"
#include "data/DataField.h"
#include "editors/TGyoInfoForm.h"
#include "kit/DBDateEdit.h"
#include "program/CurrentProject.h"
#include "records/ContractorRules.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QtTest/QTest>

namespace {

// The project 1 with contractor 1, whose one version holds a distinct value in every
// carried column, and two workers of it with a qualification.
class TGyoInfoFormTest : public EditorFixture<SiteFixture>
{
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        AppContext::instance().WorkDate = QDate(2026, 12, 9);
        AppContext::Project().Select({"1", "川沿地区道路改良工事", "2026/04/01", false});
        const QStringList columns = ContractorRules::RevisionColumns();
        execute(
            {"insert into KOJI (KJCD, APDT, KJNM, KJNY, MTNM, MTAD, STDT, FNDT, SGDT) values (1, '2026/04/01',"
             " '川沿地区道路改良工事', '道路改良工', '北辰建設 札幌支店', '札幌市中央区', '2026/04/01', '2027/03/19',"
             " '2026/03/24')",
             "insert into GYOSYA (KJCD, GYOCD, APDT, TEIS, CRDT, EDDT, " + columns.join(',') + ") values (1, 1,"
                 + " '2026/04/01', '総務部 山田', '2026/04/01', '2026/04/01', " + distinctValues().join(',') + ")",
             "insert into SAGYOIN (KJCD, GYOCD, INCD, CPNM, NAME) values (1, 1, 1, '値0', '山田 太郎')",
             "insert into INSIKAKU (INNO, KJCD, GYOCD, INCD, CPNM) values (0, 1, 1, 1, '値0')"});
    }

    static QStringList distinctValues()
    {
        static const QRegularExpression date("DT\\d?$");
        static const QRegularExpression file("^(SDFILE|GJFILE|SIGNFL)");
        static const QStringList numbers = QString("ISKJ UKSAL MAEPER MAEMNYPER MAEPN HARFMNYPER HARFPN CMPLMNYPER "
                                                   "CMPLPN")
                                               .split(' ');
        QStringList values;
        const QStringList columns = ContractorRules::RevisionColumns();
        for (int i = 0; i < columns.size(); ++i) {
            const QString &column = columns[i];
            if (column == "ISKJ")
                values << "1";
            else if (numbers.contains(column))
                values << QString::number(i);
            else if (column.contains(date))
                values << "'" + QDate(2000, 1, 1).addDays(i).toString("yyyy/MM/dd") + "'";
            else if (column.contains(file))
                values << QString("'KAO%1.JPG'").arg(i, 5, 10, QChar('0'));
            else
                values << QString("'値%1'").arg(i);
        }
        return values;
    }

    std::unique_ptr<TGyoInfoForm> open(const QString &gyoCode, bool isPrime)
    {
        auto form = std::make_unique<TGyoInfoForm>(context());
        form->KojiCode = "1";
        form->GyoCode = gyoCode;
        form->IsPrime = isPrime;
        form->show();
        form->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
        return form;
    }
    static QString field(TGyoInfoForm &form, const QString &column)
    {
        return form.IBTable1.FieldByName(column).AsString();
    }
    static QLineEdit *edit(TGyoInfoForm &form, const QString &column)
    {
        return form.FindControl<QLineEdit>("DBEdit" + column);
    }
    static void retype(QLineEdit *edit, const QString &text)
    {
        edit->setFocus();
        edit->selectAll();
        TypeText(edit, text);
    }
    static bool shown(TGyoInfoForm &form, const QString &name)
    {
        return form.FindControl<QWidget>(name)->isVisibleTo(&form);
    }
    static QTabWidget *pages(TGyoInfoForm &form, const char *name) { return form.FindControl<QTabWidget>(name); }
};

TEST_F(TGyoInfoFormTest, ARevisionCopiesEveryCarriedColumnButTheAddressee)
{
    {
        auto form = open("1", true);
        EXPECT_EQ(form->windowTitle(), "業者情報");
        EXPECT_EQ(form->btnNew->text(), "改訂(&A)");
        form->btnNew->click();
        EXPECT_EQ(edit(*form, "APDT")->text(), "2026/12/09");
        EXPECT_TRUE(edit(*form, "TEIS")->text().isEmpty());
        form->btnPost->click();
        ASSERT_EQ(form->IBTable1.State(), DataSetState::Browse);
        form->close();
        EXPECT_EQ(form->GyoCode, "1");
        EXPECT_EQ(form->GyoName, "値0");
    }
    const QStringList columns = ContractorRules::RevisionColumns();
    const QStringList versions
        = committedColumn("select " + columns.join("||'|'||") + "||'|'||coalesce(TEIS, '-') from GYOSYA order by APDT");
    ASSERT_EQ(versions.size(), 2);
    const QStringList before = versions[0].split('|');
    const QStringList after = versions[1].split('|');
    ASSERT_EQ(after.size(), columns.size() + 1);
    for (int i = 0; i < columns.size(); ++i)
        EXPECT_EQ(after[i], before[i]) << columns[i].toStdString();
    EXPECT_EQ(before.last(), "総務部 山田");
    EXPECT_EQ(after.last(), "-");
}

TEST_F(TGyoInfoFormTest, ANewContractorStartsFromTheProjectAndClosesOnItsFirstPost)
{
    const QString longWork = QString(120, QChar(u'工'));
    execute({"update KOJI set KJNY = '" + longWork + "'"});
    auto form = open({}, false);
    EXPECT_TRUE(form->NewGyo);
    EXPECT_EQ(form->GyoCode, "2");
    EXPECT_EQ(form->IBTable1.State(), DataSetState::Insert);
    EXPECT_EQ(QApplication::focusWidget(), edit(*form, "CPNM"));
    EXPECT_EQ(edit(*form, "APDT")->text(), "2026/04/01");
    EXPECT_EQ(edit(*form, "KYCOM")->text(), "北辰建設 札幌支店");
    EXPECT_EQ(edit(*form, "KJTYP")->text(), longWork.left(50));
    EXPECT_EQ(form->FindControl<DBDateEdit>("dtFNDT")->GetDateText(), "2027/03/19");
    EXPECT_TRUE(edit(*form, "PSNM")->text().isEmpty());

    TypeText(edit(*form, "CPNM"), "株式会社丸山土木");
    form->btnPost->click();
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(form->Posted);
    EXPECT_EQ(form->GyoCode, "2");
    EXPECT_EQ(form->GyoName, "株式会社丸山土木");
    EXPECT_EQ(committedColumn("select APDT||'|'||KJNM||'|'||KTKG||'|'||GBIK from GYOSYA where GYOCD = 2"),
              QStringList{"2026/04/01|" + longWork + "|契約による|書面による"});
}

TEST_F(TGyoInfoFormTest, ANewContractorCancelledLeavesNoCode)
{
    auto form = open({}, true);
    form->btnCancel->click();
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(form->GyoCode.isEmpty());
    EXPECT_EQ(committed("select count(*) from GYOSYA"), "1");
}

TEST_F(TGyoInfoFormTest, TheCompanyNameReachesWorkersAndQualificationsWithItsApostrophe)
{
    auto form = open("1", false);
    retype(edit(*form, "CPNM"), "O'Neil建設");
    form->btnPost->click();
    EXPECT_EQ(committed("select CPNM from SAGYOIN"), "O'Neil建設");
    EXPECT_EQ(committed("select CPNM from INSIKAKU"), "O'Neil建設");
}

TEST_F(TGyoInfoFormTest, WhatTheFormShowsFollowsTheContractorTheProjectAndTheEdition)
{
    struct Case
    {
        bool prime, jv;
        QString local;
        bool chiefPages, jvPermits, localPage, employment;
    };
    for (const Case &c :
         {Case{true, true, "", true, true, false, false}, Case{true, false, "北海道", true, false, false, true},
          Case{true, false, "", false, false, false, false}, Case{false, true, "北海道", false, false, true, false}}) {
        Config::write(*ini, Config::Local, c.local);
        AppContext::Project().Select({"1", "川沿地区道路改良工事", "2026/04/01", c.jv});
        auto form = open("1", c.prime);
        const std::string name = (c.prime ? "prime" : "sub") + std::string(c.jv ? " JV " : " ") + c.local.toStdString();
        EXPECT_EQ(form->LocalEdition, c.local) << name;
        for (int page = 1; page <= 3; ++page)
            EXPECT_EQ(pages(*form, "PageControl1")->isTabVisible(page), c.chiefPages) << name;
        EXPECT_TRUE(pages(*form, "PageControl1")->isTabVisible(4));
        EXPECT_EQ(shown(*form, "JVCtlPanel"), c.jvPermits) << name;
        EXPECT_EQ(pages(*form, "PageControl2")->isTabVisible(1), c.localPage) << name;
        EXPECT_EQ(shown(*form, "lblSNKYDT1") && shown(*form, "dtSNKYDT1"), c.employment) << name;
        EXPECT_FALSE(shown(*form, "DBComboBoxKSNM2"));
        const QColor caption = form->FindControl<QLabel>("lblAZ2")->palette().color(QPalette::WindowText);
        EXPECT_EQ(caption == QColor(0x00, 0x80, 0x80), c.prime) << name;
    }
}

TEST_F(TGyoInfoFormTest, WorkThatIsNoConstructionContractRenamesItsCaptions)
{
    execute({"insert into GYOSYA (KJCD, GYOCD, APDT, CPNM, ISKJ) values (1, 1, '2026/10/01', '値0', 0)"});
    auto form = open("1", true);
    auto *label = form->FindControl<QLabel>("lblKJNY");
    EXPECT_EQ(label->text(), "工事内容");
    EXPECT_EQ(pages(*form, "PageControl1")->tabText(0), "監理・主任");
    form->btnPrev->click();
    EXPECT_EQ(label->text(), "作業内容");
    EXPECT_EQ(pages(*form, "PageControl1")->tabText(0), "現場責任者");
    form->FindControl<QCheckBox>("chkISKJ")->click();
    EXPECT_EQ(label->text(), "工事内容");
    EXPECT_EQ(field(*form, "ISKJ"), "0");
}

TEST_F(TGyoInfoFormTest, AStaffMemberFillsAnEngineerPageWithACopyOfTheImage)
{
    const QString staffImage = images.StoreImageFile(0, jpegFile("face.jpg"));
    services.staff = {{"佐藤 健一", "1968/05/12", "1級土木施工管理技士", "第105234号", staffImage},
                      {"鈴木 一郎", "1970/01/02", "2級土木施工管理技士", "", ""},
                      {"高橋 誠", "", "", "", ""}};
    auto form = open("1", true);
    ClickButton(form.get(), "btnSNNM1");
    const QString copy = field(*form, "SDFILE1");
    EXPECT_TRUE(copy.startsWith("KAO") && copy != staffImage);
    EXPECT_EQ(form->FindControl<DBImageFrame>("ImageFrame1")->FileName, copy);
    EXPECT_EQ(field(*form, "SNNM1") + "|" + field(*form, "SNSK1") + "|" + field(*form, "SNNO1"),
              "佐藤 健一|1級土木施工管理技士|第105234号");
    EXPECT_EQ(form->FindControl<DBDateEdit>("dtSNDT1")->GetDateText(), "1968/05/12");

    pages(*form, "PageControl1")->setCurrentIndex(4);
    ClickButton(form.get(), "btnGJNM1");  // a member without an image empties the frame
    EXPECT_EQ(field(*form, "GJNM1") + "|" + field(*form, "GJSI1"), "鈴木 一郎|2級土木施工管理技士");
    EXPECT_TRUE(form->FindControl<DBImageFrame>("ImageFrame5")->FileName.isEmpty());
    ClickButton(form.get(), "btnANNM");
    form->btnPost->click();
    EXPECT_EQ(committedColumn("select SDFILE1||'|'||coalesce(GJFILE1, '-')||'|'||ANNM from GYOSYA"),
              QStringList{copy + "|-|高橋 誠"});
    EXPECT_EQ(committed("select count(*) from IMGFL"), "2");
}

TEST_F(TGyoInfoFormTest, AQualificationFromTheNamesTakesTheBareName)
{
    services.nameChoices = {{"ABCDEFGHIJKL監理技術者資格者証", "監理技術者資格者証"}, {"1DK      1級土木", "1級土木"}};
    auto form = open("1", true);
    auto *button = form->FindControl<QPushButton>("btnSikaku1");
    ClickButton(form.get(), "btnSikaku1");
    EXPECT_EQ(field(*form, "SNSK1"), "監理技術者資格者証");
    EXPECT_EQ(services.nameKinds, QList<int>{6});
    EXPECT_EQ(services.namePlaces.value(0), button->mapToGlobal(QPoint(button->width(), 0)));
    pages(*form, "PageControl1")->setCurrentIndex(5);
    ClickButton(form.get(), "btnSikaku6");
    EXPECT_EQ(field(*form, "GJSI2"), "1級土木");
    ClickButton(form.get(), "btnSikaku6");  // closed without a choice
    EXPECT_EQ(field(*form, "GJSI2"), "1級土木");
}

TEST_F(TGyoInfoFormTest, ClearingAPageEmptiesItsEngineer)
{
    auto form = open("1", true);
    ClickButton(form.get(), "btnClear1");
    form->btnPost->click();
    EXPECT_EQ(committed("select coalesce(SNNM1||KSNM1||SNSE1||SNSK1||SNNO1||SNDT1||SNKYDT1||SDFILE1, 'empty')"
                        "||'|'||SNNM2 from GYOSYA"),
              "empty|" + field(*form, "SNNM2"));
    EXPECT_TRUE(form->FindControl<DBDateEdit>("dtSNDT1")->IsBlank());
    EXPECT_TRUE(form->FindControl<DBImageFrame>("ImageFrame1")->FileName.isEmpty());
}

TEST_F(TGyoInfoFormTest, TheLastVersionGoesOnlyWhenNothingUsesTheContractor)
{
    execute({"insert into CARRY (KJCD, GYOCD, CRCD) values (1, 1, 1)"});
    auto form = open("1", false);
    messages.answer(true);
    form->btnDel->click();
    EXPECT_EQ(messages.texts(), QStringList{"体制や名簿などで使用中です。最低一件は残さなければなりません。"});
    execute({"delete from CARRY", "delete from SAGYOIN"});
    form->btnDel->click();
    EXPECT_TRUE(form->Posted);
    form->close();
    EXPECT_TRUE(form->GyoCode.isEmpty());
    EXPECT_EQ(committed("select count(*) from GYOSYA"), "0");
}

TEST_F(TGyoInfoFormTest, ExchangeNamesTheCompanyAndImportsIntoTheContractor)
{
    auto form = open("1", false);
    form->btnExport->click();
    form->btnImport->click();
    ASSERT_EQ(services.exports.size(), 1);
    EXPECT_EQ(services.exports[0].kind, 1);
    EXPECT_EQ(services.exports[0].name, "値0");
    ASSERT_EQ(services.imports.size(), 1);
    EXPECT_EQ(services.imports[0].gyoCode, "1");
    EXPECT_TRUE(form->Posted);
}

// Pictures of every page for a person to look at when SORVIK_SCREENSHOT_DIR is set: the
// prime contractor of a JV in the regional edition, and a subcontractor's regional page.
TEST_F(TGyoInfoFormTest, Screenshots)
{
    const QString folder = qEnvironmentVariable("SORVIK_SCREENSHOT_DIR");
    if (folder.isEmpty())
        GTEST_SKIP() << "SORVIK_SCREENSHOT_DIR is not set";
    AppContext::Project().Select({"1", "川沿地区道路改良工事", "2026/04/01", true});
    for (const bool prime : {true, false}) {
        auto form = open("1", prime);
        QTabWidget *engineers = pages(*form, "PageControl1");
        for (int page = 0; page < engineers->count(); ++page) {
            if (!engineers->isTabVisible(page))
                continue;
            engineers->setCurrentIndex(page);
            pages(*form, "PageControl2")->setCurrentIndex(prime ? 0 : 1);
            QApplication::processEvents();
            form->grab().save(
                QDir(folder).filePath(QString("contractor_%1_%2.png").arg(prime ? "prime" : "sub").arg(page + 1)));
        }
    }
}

}  // namespace
