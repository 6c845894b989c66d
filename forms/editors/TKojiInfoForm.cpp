#include "TKojiInfoForm.h"

#include "controls/BoundControl.h"
#include "controls/DBControls.h"
#include "data/DataField.h"
#include "data/SqlStatement.h"
#include "bases/TPanel.h"
#include "kit/DBDateEdit.h"
#include "program/CurrentProject.h"
#include "records/ProjectRules.h"
#include "services/UserAction.h"

#include <QTabWidget>

namespace {

// A staff member's name with the button that picks it; the edit is named by the tag.
FieldSpec StaffRow(const QString &caption, const QString &column, int tag, const QString &button)
{
    return Row(caption,
               {Edit({}, column).Named(QStringLiteral("DBEdit") + QString::number(tag)),
                PickerButton(button, QStringLiteral("職員情報から選択します"))});
}

EditorSpec ProjectEditor()
{
    EditorSpec declaration;
    declaration.caption = QStringLiteral("工事契約者情報");
    declaration.idField = TVersionEditor::AppliedDateField();
    declaration.packageKind = 0;
    declaration.size = {760, 560};
    const FieldSpec contract = Page(
        QStringLiteral("契約事項"),
        {Group(QStringLiteral("契約情報"),
               {Edit(QStringLiteral("工事名称"), QStringLiteral("KJNM")),
                Edit(QStringLiteral("工事内容"), QStringLiteral("KJNY")),
                Row(QStringLiteral("工期"),
                    {DateField(QStringLiteral("自"), QStringLiteral("STDT")),
                     DateField(QStringLiteral("至"), QStringLiteral("FNDT"))}),
                DateField(QStringLiteral("契約日"), QStringLiteral("SGDT")),
                Edit(QStringLiteral("登録NO"), QStringLiteral("KJCD")).ReadOnly().Width(60).Setup([](QWidget &edit) {
                    edit.setEnabled(false);
                })}),
         Group(QStringLiteral("契約営業所"),
               {Check(QStringLiteral("JV"), QStringLiteral("JV"))
                    .Hint(QStringLiteral("JVに選択すると元請業者情報の入力項目数が増えます")),
                Row(QStringLiteral("元請契約"),
                    {Edit(QStringLiteral("名称"), QStringLiteral("MTNM")),
                     Edit(QStringLiteral("住所"), QStringLiteral("MTAD"))}),
                Row(QStringLiteral("下請契約"),
                    {Edit(QStringLiteral("名称"), QStringLiteral("STNM")),
                     Edit(QStringLiteral("住所"), QStringLiteral("STAD"))})})
             .Hint(QStringLiteral("施工体制台帳の契約営業所に使用します"))});
    const FieldSpec client
        = Page(QStringLiteral("発注者"),
               {Group(QStringLiteral("発注者名および住所"),
                      {Edit(QStringLiteral("発注者名称"), QStringLiteral("ODNM")),
                       Edit(QStringLiteral("郵便番号"), QStringLiteral("ODPOST")).ImeOff().Width(100),
                       Edit(QStringLiteral("住所"), QStringLiteral("ODADD"))})
                    .Hint(QStringLiteral("施工体制台帳の発注者名")),
                Group(QStringLiteral("発注者の監督員名"),
                      {Edit(QStringLiteral("総括監督員"), QStringLiteral("SKNM")),
                       Edit(QStringLiteral("主任監督員"), QStringLiteral("SNNM")),
                       Edit(QStringLiteral("監督員"), QStringLiteral("KTNM")),
                       Edit(QStringLiteral("権限"), QStringLiteral("KG")),
                       Edit(QStringLiteral("意見申出方法"), QStringLiteral("IK"))})
                    .Hint(QStringLiteral("施工体制台帳の発注者の監督員名"))});
    const FieldSpec council
        = Page(QStringLiteral("安全協議会"),
               {Group(QStringLiteral("統括安全衛生責任者"),
                      {StaffRow(QStringLiteral("会長"), QStringLiteral("KANM"), 15, QStringLiteral("btnKANM"))})
                    .Hint(QStringLiteral("施工体制図の会長に使用します")),
                Group(QStringLiteral("副会長"),
                      {Row(QStringLiteral("会社名"),
                           {Edit({}, QStringLiteral("FCNM")),
                            PickerButton(QStringLiteral("btnCom"), QStringLiteral("業者一覧から選択します"))}),
                       StaffRow(QStringLiteral("氏名"), QStringLiteral("FUNM"), 17, QStringLiteral("btnFUNM"))})
                    .Hint(QStringLiteral("施工体制図の副会長に使用します")),
                Group(QStringLiteral("安全衛生責任者"),
                      {Row(QStringLiteral("氏名"),
                           {List({}, QStringLiteral("TTNM"), {QStringLiteral("元方"), QStringLiteral("店社")})
                                .Named(QStringLiteral("DBComboBox1"))
                                .Width(80),
                            Edit({}, QStringLiteral("ANNM")).Named(QStringLiteral("DBEdit18")),
                            PickerButton(QStringLiteral("btnKJ"), QStringLiteral("職員情報から選択します"))})})
                    .Hint(QStringLiteral("施工体制図の安全責任者に使用します")),
                Group(QStringLiteral("書記"),
                      {StaffRow(QStringLiteral("書記"), QStringLiteral("RPNM"), 19, QStringLiteral("btnRPNM"))})
                    .Hint(QStringLiteral("施工体制図の書記に使用します"))})
              .Hint(QStringLiteral("施工体制台帳に使用します"));
    declaration.fields = {Pages(QStringLiteral("PageControl1"), {contract, client, council})};
    return declaration;
}

}  // namespace

TKojiInfoForm::TKojiInfoForm(const EditorContext &context, QWidget *parent)
    : TVersionEditor(context, std::make_unique<ProjectRules>(context.records), ProjectEditor(), parent)
{
    for (const auto &[tag, button] : {std::pair{15, "btnKANM"}, {17, "btnFUNM"}, {18, "btnKJ"}, {19, "btnRPNM"}})
        OnClick(QLatin1String(button), [this, tag] { ShokuBtnClick(tag); });
    OnClick(QStringLiteral("btnCom"), [this] { btnComClick(); });
    connect(FindControl<DBDateEdit>(QStringLiteral("dtSTDT")), &TplDateEdit::OnExit, this,
            [this] { RunUserAction([this] { dtSTDTExit(); }); });
    connect(FindControl<DBComboBox>(QStringLiteral("DBComboBox1")), &QComboBox::activated, this,
            [this] { DBComboBox1Change(); });
}

ProjectRules &TKojiInfoForm::rules()
{
    return static_cast<ProjectRules &>(Rules());
}

void TKojiInfoForm::FormShow()
{
    rules().SetProject(KojiCode);
    KojiCode = rules().KojiCode();
    NewKoji = rules().IsNewProject();
    IBTable1.SetFilter(QStringLiteral("KJCD = ?"), {CodeParam(KojiCode)});
    Session().SetCarrying(!NewKoji);
    SetCreating(NewKoji);
    TVersionEditor::FormShow();
    IBTable1.Last();
    if (NewKoji) {
        // Another project's name would only mislead over a new one.
        TitlePanel->setCaption(windowTitle());
        btnNewClick();
    }
    FindControl<QTabWidget>(QStringLiteral("PageControl1"))->setCurrentIndex(0);
}

void TKojiInfoForm::ShokuBtnClick(int tag)
{
    const StaffChoice staff = Context().services.PickStaff(this);
    if (!staff.Name.isEmpty())
        SetBoundFieldText(FindBoundControl(QStringLiteral("DBEdit") + QString::number(tag)), staff.Name);
}

void TKojiInfoForm::btnComClick()
{
    ContractorChoice choice;
    if (Context().services.PickContractor(this, KojiCode, {}, {}, choice))
        SetColumnText(QStringLiteral("FCNM"), choice.name);
}

void TKojiInfoForm::dtSTDTExit()
{
    if (!NewKoji || !DataSource1.editing() || LeavingRecord())
        return;
    rules().CopyStartToAppliedDate(IBTable1, FindControl<DBDateEdit>(QStringLiteral("dtSTDT"))->GetDateText());
}

void TKojiInfoForm::DBComboBox1Change()
{
    Context().records.Project.SetSafetyKind(FindControl<DBComboBox>(QStringLiteral("DBComboBox1"))->currentText());
}

void TKojiInfoForm::FormClose()
{
    KojiCode = rules().KojiCode();
    TVersionEditor::FormClose();
}

PackageRequest TKojiInfoForm::ExportRequest()
{
    PackageRequest request = TVersionEditor::ExportRequest();
    request.name = IBTable1.FieldByName(QStringLiteral("KJNM")).AsString();
    return request;
}
