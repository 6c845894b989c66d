// The vehicle, machine and tool editors on the demo site as the notification list opens
// them: what the user does in them and what the database then holds, read back through
// a second connection.

#include "EditorFixture.h"
#include "UiInput.h"

#include "ExchangeCommands.h"
#include "PackageDialogs.h"
#include "FormWindows.h"
#include "TKikaiPrintForm.h"
#include "tree/ConstructionSystem.h"
#include "config/IniFile.h"
#include "controls/DBCheckGrid.h"
#include "controls/DBControls.h"
#include "data/DataField.h"
#include "editors/TCarryInfoForm.h"
#include "editors/TKikaiInfoForm.h"
#include "editors/TKouguInfoForm.h"
#include "kit/DBDateEdit.h"
#include "schema/SchemaDefinition.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

using namespace sorvik::package;

namespace {

// The exchange as the program runs it, with every dialog accepted and the file dialogs
// answering `file`.
class AcceptingPackageDialogs : public PackageDialogs
{
public:
    ExportAnswer confirmExport(const QStringList &) override { return {true, false}; }
    ImportAnswer confirmImport(const ImportReview &) override { return {true, false}; }
    QString chooseOpenFile(const FileRequest &request) override { return answer(request); }
    QString chooseSaveFile(const FileRequest &request) override { return answer(request); }

    QString file;
    QList<FileRequest> requests;

private:
    QString answer(const FileRequest &request)
    {
        requests << request;
        return file;
    }
};

// The pickers from a script, the exchange for real.
class ExchangingServices : public ScriptedEditorServices
{
public:
    ExchangingServices(TDataModule1 &data, PackageDialogs &dialogs)
        : m_data(data)
        , m_dialogs(dialogs)
    {
    }
    bool ExportRecord(QWidget *, const PackageRequest &request, DataSet &record) override
    {
        return ExchangeCommands(m_data, m_dialogs).exportRecord(request.kind, record, request.name);
    }
    bool ImportRecord(QWidget *, const PackageRequest &request, DataSet &record) override
    {
        return ExchangeCommands(m_data, m_dialogs).importRecord(request.kind, record, request.gyoCode);
    }

private:
    TDataModule1 &m_data;
    PackageDialogs &m_dialogs;
};

class EquipmentEditorsTest : public EditorFixture<DemoSiteFixture>
{
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        AppContext::instance().WorkDate = QDate(2026, 11, 2);
        AppContext::Project().Select({"1", "国道230号 札幌市南区川沿地区道路改良工事", "2026/04/01", false});
    }

    // Opens `form` as the notification list does, on the record `code` of contractor
    // `gyo` of the road project (a new record when `code` is empty).
    template<typename Form> void open(Form &form, const QString &gyo, const QString &code, int startMode = 0)
    {
        form.KojiCode = "1";
        form.GyoCode = gyo;
        form.RecordCode = code;
        form.StartMode = startMode;
        form.show();
        QApplication::processEvents();  // the start mode's button is clicked once shown
    }

    static QString field(TEquipmentEditor &form, const char *column)
    {
        return form.IBTable1.FieldByName(QLatin1String(column)).AsString();
    }
    template<typename Control> static Control &control(TEquipmentEditor &form, const QString &name)
    {
        auto *found = form.FindControl<Control>(name);
        if (!found)
            throw std::runtime_error(name.toStdString());
        return *found;
    }
    static DBDateEdit &date(TEquipmentEditor &form, const char *column)
    {
        return control<DBDateEdit>(form, QStringLiteral("dt") + QLatin1String(column));
    }
    // Types `text` over what the edit `name` holds.
    static void retype(TEquipmentEditor &form, const char *name, const QString &text)
    {
        auto &edit = control<QLineEdit>(form, QLatin1String(name));
        edit.setFocus();
        edit.selectAll();
        TypeText(&edit, text);
    }
    static void typeDay(TEquipmentEditor &form, const char *column, const char *day)
    {
        auto *edit = date(form, column).findChild<QLineEdit *>(QStringLiteral("day"));
        edit->selectAll();
        TypeText(edit, QLatin1String(day));
    }
};

TEST_F(EquipmentEditorsTest, ANewVehicleGetsTheProjectsNextNumbersAndStaysOpenOnItAfterItsPost)
{
    TCarryInfoForm form(context());
    open(form, "6", "");
    EXPECT_EQ(form.windowTitle(), "工事用車両届");
    EXPECT_FALSE(form.btnNew->isVisible());
    EXPECT_FALSE(form.btnDel->isVisible());
    EXPECT_EQ(form.IBTable1.State(), DataSetState::Insert);
    EXPECT_EQ(form.RecordCode, "3");  // the demo project holds two vehicles
    EXPECT_EQ(field(form, "JYUNO"), "3");
    EXPECT_EQ(field(form, "USECMPNM"), "株式会社北斗オペレーション");

    // The number is required first, then the company.
    form.btnPost->click();
    EXPECT_EQ(messages.texts(), QStringList{"車両番号が有りません"});
    TypeInto(&form, "DBEditCARNO", "札幌 400 な 11-22");
    form.btnPost->click();
    EXPECT_EQ(committed("select CARNO || '/' || JYUNO from CARRY where KJCD = 1 and GYOCD = 6 and CRCD = 3"),
              "札幌 400 な 11-22/3");

    // Posted once, the record is an ordinary one: a cancel keeps the window open.
    TypeInto(&form, "DBEditAZNM", "北斗 亮");
    form.btnCancel->click();
    EXPECT_TRUE(form.isVisible());
    EXPECT_FALSE(form.NewRecord());
    EXPECT_EQ(committed("select count(*) from CARRY where KJCD = 1 and GYOCD = 6"), "1");
}

TEST_F(EquipmentEditorsTest, CancellingANewRecordClosesWithoutAQuestionAndLeavesNoRowAndAStoredOneIsNamed)
{
    FormWindows windows(data);
    modal.thenShow<TKikaiInfoForm>([](TKikaiInfoForm &form) {
        TypeInto(&form, "DBEditKKNM", "バックホウ");
        form.btnCancel->click();
        EXPECT_FALSE(form.isVisible());
    });
    EXPECT_EQ(windows.editMachine(nullptr, "1", "6", ""), "");
    EXPECT_TRUE(messages.messages().isEmpty());
    EXPECT_EQ(scalar("select count(*) from KIKAI where KJCD = 1 and GYOCD = 6"), "0");

    // Closing an untouched new record asks nothing either.
    modal.thenShow<TKouguInfoForm>([](TKouguInfoForm &form) { form.btnClose->click(); });
    EXPECT_EQ(windows.editTools(nullptr, "1", "6", ""), "");
    EXPECT_TRUE(messages.messages().isEmpty());
    EXPECT_EQ(scalar("select count(*) from KOUGU where KJCD = 1 and GYOCD = 6"), "0");

    // A stored new record is what the list selects afterwards.
    modal.thenShow<TCarryInfoForm>([](TCarryInfoForm &form) {
        TypeInto(&form, "DBEditCARNO", "札幌 400 な 11-22");
        form.btnPost->click();
        form.btnClose->click();
    });
    EXPECT_EQ(windows.editVehicle(nullptr, "1", "6", ""), "3");
    EXPECT_EQ(committed("select CARNO from CARRY where KJCD = 1 and CRCD = 3"), "札幌 400 な 11-22");
}

TEST_F(EquipmentEditorsTest, AMachinesRemovalDateAsTypedIsComparedAndOnlyTheFirstExpiryIsPointedOut)
{
    execute({"Update KIKAI set FNDT = '2010/05/20', TES4YMD = '2010/05/10', TES5YMD = '', DVYMD = '' "
             "where KJCD = 1 and MCCD = 1"});
    TKikaiInfoForm form(context());
    open(form, "4", "1");

    // The removal date typed before the inspection's end: nothing to point out.
    typeDay(form, "FNDT", "01");
    form.btnPost->click();
    EXPECT_TRUE(messages.texts().isEmpty());
    EXPECT_EQ(committed("select FNDT from KIKAI where KJCD = 1 and MCCD = 1"), "2010/05/01");

    execute({"Update KIKAI set TES4YMD = '2010/04/30', TES5YMD = '2010/03/31' where KJCD = 1 and MCCD = 1"});
    form.IBTable1.Refresh();
    retype(form, "DBEditKNRNO", "K-7");
    form.btnPost->click();
    EXPECT_EQ(messages.texts(), QStringList{"ご注意：この機械の性能検査有効期限が搬出予定日前になっています。"});
    EXPECT_EQ(committed("select KNRNO from KIKAI where KJCD = 1 and MCCD = 1"), "K-7");
}

TEST_F(EquipmentEditorsTest, ChecksTheFormDoesNotShowKeepTheirValuesThroughAPost)
{
    const QStringList hidden{"CHKD_4A", "CHKD_4B", "CHKD_5A", "CHKD_5B", "CHKD_6A", "CHKD_6B", "CHKG_5A", "CHKG_5B"};
    execute({"Update KIKAI set " + hidden.join(" = 1, ") + " = 1 where KJCD = 1 and MCCD = 1"});
    TKikaiInfoForm form(context());
    open(form, "4", "1");
    for (const QString &column : hidden)
        EXPECT_FALSE(form.FindControl<QWidget>("DBCheckBox" + column)) << column.toStdString();
    auto &shown = control<DBCheckBox>(form, "DBCheckBoxCHKD_7A");
    shown.click();
    form.btnPost->click();
    EXPECT_EQ(committed("select " + hidden.join(" || ") + " || CHKD_7A from KIKAI where KJCD = 1 and MCCD = 1"),
              shown.isChecked() ? "111111111" : "111111110");
}

TEST_F(EquipmentEditorsTest, ADateTheEraEditCannotReadIsKeptUnlessTheUserChangesIt)
{
    execute({"Update CARRY set STDT = '2009/4/1' where KJCD = 1 and CRCD = 1"});
    TCarryInfoForm form(context());
    open(form, "2", "1");
    EXPECT_EQ(date(form, "STDT").ShownText(), "2009/4/1");
    retype(form, "DBEditAZNM", "丸山 翔太");
    form.btnPost->click();
    EXPECT_EQ(committed("select STDT || '|' || AZNM from CARRY where KJCD = 1 and CRCD = 1"), "2009/4/1|丸山 翔太");
}

TEST_F(EquipmentEditorsTest, TheDriverComesFromTheRosterAndALicenceExpiringBeforeTheTypedEndIsPointedOut)
{
    const WorkerQualificationChoice driver{
        "丸山 翔太", "1982/04/18", "札幌市南区真駒内上町3丁目2-8", "大型自動車第一種運転免許", "第 60 0412 7788 1 号",
        "2027/02/20"};
    services.workers << driver << driver;
    TCarryInfoForm form(context());
    open(form, "2", "1");  // stored in use until 2027/02/26
    typeDay(form, "FNDT", "10");
    form.btnOPNM->click();
    EXPECT_TRUE(messages.texts().isEmpty());
    EXPECT_EQ(date(form, "OPBNDT").GetDateText(), "1982/04/18");
    typeDay(form, "FNDT", "25");
    form.btnOPNM->click();
    EXPECT_EQ(messages.texts(), QStringList{"ご注意：この運転者の免許有効期限が使用期間終了日前になっています。"});
    EXPECT_EQ(form.IBTable1.State(), DataSetState::Edit);
    form.btnPost->click();
    EXPECT_EQ(committed("select OPLIC || '|' || OPLICNO || '|' || FNDT from CARRY where KJCD = 1 and CRCD = 1"),
              "大型自動車第一種運転免許|第 60 0412 7788 1 号|2027/02/25");
}

TEST_F(EquipmentEditorsTest, TheDeputyOperatorTakesTheSecondNameAndAllChosenQualifications)
{
    services.workers << WorkerQualificationChoice{"石川 拓也", "", "", "車両系建設機械（整地等） 玉掛け", "", ""};
    TKikaiInfoForm form(context());
    open(form, "4", "1");
    form.btnOPNM2->click();
    form.btnPost->click();
    EXPECT_EQ(committed("select DRV2 || '|' || DRV2LS from KIKAI where KJCD = 1 and MCCD = 1"),
              "石川 拓也|車両系建設機械（整地等） 玉掛け");
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST_F(EquipmentEditorsTest, ToolsTickedOnAnInspectionRowAreStoredOneCharacterEach)
{
    TKouguInfoForm form(context());
    open(form, "6", "");
    const QString jyuno = field(form, "JYUNO");
    EXPECT_EQ(form.ToolNumberText(3), jyuno + "03");
    EXPECT_EQ(form.ToolNumberText(10), jyuno + "10");
    TypeInto(&form, "DBEditKKNM1", "ディスクグラインダー");
    auto &earth = control<DBCheckGrid>(form, "ChkGridCHK01");
    earth.Box(1)->click();
    earth.Box(3)->click();
    form.btnPost->click();
    const QString where = " from KOUGU where KJCD = 1 and KGCD = " + form.RecordCode;
    EXPECT_EQ(committed("select CHK01" + where), "1010000000");
    EXPECT_EQ(committed("select CHK02" + where), "0000000000");

    TKouguInfoForm again(context());
    open(again, "6", form.RecordCode);
    EXPECT_EQ(control<DBCheckGrid>(again, "ChkGridCHK01").Get(), "1010000000");
    EXPECT_EQ(again.ToolNumberText(1), jyuno + "01");
}

TEST_F(EquipmentEditorsTest, AnImportedToolSetKeepsItsDatesAndChecksAndTheLocalCodes)
{
    AcceptingPackageDialogs dialogs;
    dialogs.file = missingFile("tools.LZH");
    PackageDialogs *previous = PackageDialogs::install(&dialogs);
    ExchangingServices exchanging(data, dialogs);
    const EditorContext context{records(), exchanging};
    execute({"Update KOUGU set STDT1 = '2026/06/01', FNDT1 = '2009/4/1', CHK01 = '1100000001' "
             "where KJCD = 1 and KGCD = 1"});
    {
        TKouguInfoForm source(context);
        open(source, "5", "1", 2);  // exported at once
    }
    ASSERT_EQ(dialogs.requests.size(), 1);
    EXPECT_TRUE(dialogs.requests[0].fileName.startsWith("工具_"));

    TKouguInfoForm form(context);
    open(form, "6", "", 1);  // a new set, imported into at once
    // Shown before any post.
    EXPECT_EQ(date(form, "STDT1").GetDateText(), "2026/06/01");
    EXPECT_EQ(control<DBCheckGrid>(form, "ChkGridCHK01").Get(), "1100000001");
    form.btnPost->click();
    PackageDialogs::install(previous);
    EXPECT_EQ(committed("select GYOCD || '|' || KGCD || '|' || JYUNO || '|' || HNDOWCMPNM || '|' || STDT1 || '|' || "
                        "FNDT1 || '|' || CHK01 from KOUGU where KJCD = 1 and GYOCD = 6"),
              "6|2|2|株式会社北斗オペレーション|2026/06/01|2009/4/1|1100000001");
}

// Pictures of every page of the three editors on the demo site, for a person to look at
// when SORVIK_SCREENSHOT_DIR is set.
TEST_F(EquipmentEditorsTest, Screenshots)
{
    const QString folder = qEnvironmentVariable("SORVIK_SCREENSHOT_DIR");
    if (folder.isEmpty())
        GTEST_SKIP() << "SORVIK_SCREENSHOT_DIR is not set";
    ini->writeString("data", "BarCode", "1");
    const auto shoot = [&](TEquipmentEditor &form, const QString &name) {
        form.grab().save(QDir(folder).filePath(name + ".png"));
        for (QTabWidget *tabs : form.findChildren<QTabWidget *>()) {
            for (int page = 1; page < tabs->count(); ++page) {
                tabs->setCurrentIndex(page);
                QApplication::processEvents();
                form.grab().save(
                    QDir(folder).filePath(QString("%1_%2_%3.png").arg(name, tabs->objectName()).arg(page)));
            }
        }
    };
    TCarryInfoForm vehicle(context());
    open(vehicle, "2", "1");
    shoot(vehicle, "vehicle");
    TCarryInfoForm newVehicle(context());
    open(newVehicle, "6", "");
    shoot(newVehicle, "vehicle_new");
    TKikaiInfoForm machine(context());
    open(machine, "4", "1");
    shoot(machine, "machine");
    TKouguInfoForm tools(context());
    open(tools, "5", "1");
    shoot(tools, "tools");
}

}  // namespace

namespace {

TEST_F(EquipmentEditorsTest, TheNotificationListOpensTheEditorOfItsPageOnTheChosenRow)
{
    ConstructionSystem system(data.IBTransaction1, AppContext::Project());
    ASSERT_TRUE(system.LoadKoji(QStringLiteral("1")));
    FormWindows windows(data);
    PrintRequest request;
    request.window = PrintWindow::Notifications;
    request.kojiCode = QStringLiteral("1");
    request.gyoCode = QStringLiteral("4");
    QString machine;
    modal.thenShow<TKikaiPrintForm>([&](TKikaiPrintForm &list) {
        list.PageControl1->setCurrentIndex(1);
        ASSERT_TRUE(list.btnEdit->isEnabled());
        modal.thenShow<TKikaiInfoForm>([&](TKikaiInfoForm &form) {
            machine = form.findChild<QLineEdit *>(QStringLiteral("DBEditKKNM"))->text();
            form.btnClose->click();
        });
        list.btnEdit->click();
        list.btnClose->click();
    });
    windows.openPrintWindow(nullptr, request);
    EXPECT_EQ(machine, QStringLiteral("バックホウ"));
    EXPECT_EQ(modal.unscripted(), 0);
}

}  // namespace
