#include "TCarryInfoForm.h"

#include "data/DataField.h"
#include "kit/BarcodeInput.h"
#include "messages/MessageService.h"
#include "records/VehicleRules.h"
#include "services/UserAction.h"

#include <QPushButton>

namespace {

QString u(const char *text)
{
    return QString::fromUtf8(text);
}

// A period of two era dates: "自" … "～" ….
FieldSpec Period(const char *caption, const char *from, const char *to)
{
    return Row(u(caption), {DateField({}, u(from)), StaticText(u("～")), DateField({}, u(to))});
}

EditorSpec VehicleEditor()
{
    EditorSpec declaration;
    declaration.caption = u("工事用車両届");
    declaration.packageKind = 6;
    declaration.size = {900, 820};
    declaration.fields = {
        Group({},
              {
                  Edit(u("一次会社名"), u("CMP1NM")),
                  Label(u("受理番号"), u("JYUNO")).SameRow(),
                  Row(u("持込会社名"),
                      {Edit({}, u("USECMPNM")), Number({}, u("USEUNUM")).Width(40), StaticText(u("次"))}),
                  Label(u("登録番号(#)"), u("CRCD")).SameRow(),
                  Edit(u("現場代理人"), u("DAIRI")),
                  BarcodeField(u("BARCD"), u("BARCDNO"))
                      .Named(u("editBarcd"))
                      .LabelNamed(u("lblBarcd"))
                      .Hint(u("統一バーコード6-8桁（0-9,A-Z）"))
                      .SameRow(),
                  Period("使用期間", "STDT", "FNDT"),
                  Edit(u("所有者氏名"), u("USRNM")),
                  Edit(u("安全運転管理者"), u("AZNM")).SameRow(),
              }),
        Group(u("車両"),
              {
                  Edit(u("型式"), u("CATTYP")),
                  Edit(u("車両番号"), u("CARNO")).SameRow(),
                  Period("車検期間", "LICST", "LICFN"),
              }),
        Group(u("運転者"),
              {
                  Row(u("氏名"), {Edit({}, u("OPNM")), PickerButton(u("btnOPNM"), u("作業員名簿から参照します"))}),
                  DateField(u("生年月日"), u("OPBNDT")).Era(degShowa).SameRow(),
                  Edit(u("住所"), u("OPADD")),
                  Edit(u("免許の種類"), u("OPLIC")),
                  Edit(u("免許番号"), u("OPLICNO")).SameRow(),
              }),
        Group(u("自賠責"),
              {
                  Edit(u("保険会社名"), u("DV1CMP")),
                  Edit(u("証券番号"), u("DV1NO")).SameRow(),
                  Period("保険期間", "DV1ST", "DV1FN"),
              }),
        Group(u("任意保険"),
              {
                  Edit(u("保険会社名"), u("DV2CMP")),
                  Edit(u("証券番号"), u("DV2NO")).SameRow(),
                  Row(u("対人"),
                      {Number({}, u("DV2M1")).Width(80), Number(u("対物"), u("DV2M2")).Width(80),
                       Number(u("搭乗者"), u("DV2M3")).Width(80)}),
                  Period("保険期間", "DV2ST", "DV2FN"),
              }),
        Edit(u("運行経路"), u("ROOT")),
    };
    return declaration;
}

}  // namespace

TCarryInfoForm::TCarryInfoForm(const EditorContext &context, QWidget *parent)
    : TEquipmentEditor(context, std::make_unique<VehicleRules>(context.records), VehicleEditor(), parent)
    , btnOPNM(FindControl<QPushButton>(QStringLiteral("btnOPNM")))
{
    connect(btnOPNM, &QPushButton::clicked, this, [this] { RunUserAction([this] { btnOPNMClick(); }); });
}

void TCarryInfoForm::btnOPNMClick()
{
    const WorkerQualificationChoice driver
        = Context().services.PickWorkerQualification(this, KojiCode, GyoCode, QStringLiteral("1"));
    if (driver.Name.isEmpty())
        return;
    EditRecord();
    VehicleRules::TakeDriver(IBTable1, driver.Name, driver.Address, driver.BirthDate, driver.Qualification,
                             driver.Number);
    DataSource1.commitPending();
    const QString notice = VehicleRules::LicenceNotice(EditedDate(QStringLiteral("FNDT")), driver.Expiry);
    if (!notice.isEmpty())
        MessageService::current().information(notice);
}

QString TCarryInfoForm::ExportName()
{
    return FieldText(QStringLiteral("USECMPNM")) + QLatin1Char('_') + FieldText(QStringLiteral("CARNO"));
}
