#include "TGyoInfoForm.h"

#include "TGyoInfoFormFields.h"
#include "config/ConfigKeys.h"
#include "controls/DBControls.h"
#include "data/DataField.h"
#include "data/SqlStatement.h"
#include "program/CurrentProject.h"
#include "records/ContractorRules.h"

#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

namespace {

// The colour of the captions that matter to a prime contractor (Delphi's $808000, blue
// green red).
const QColor PrimeCaption(0x00, 0x80, 0x80);

void paintCaption(QWidget *widget)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, PrimeCaption);
    palette.setColor(QPalette::ButtonText, PrimeCaption);
    widget->setPalette(palette);
}

}  // namespace

TGyoInfoForm::TGyoInfoForm(const EditorContext &context, QWidget *parent)
    : TVersionEditor(context, std::make_unique<ContractorRules>(context.records), ContractorEditorSpec(), parent)
{
    for (const char *column : {"KTNM", "GBNM", "ANNM", "ASNM", "KKNM"})
        OnClick(QStringLiteral("btn") + QLatin1String(column),
                [this, column] { btnShokuClick(QLatin1String(column), 0); });
    for (int tag = 1; tag <= 6; ++tag) {
        const QString name = ContractorRules::EngineerNameColumn(tag);
        OnClick(QStringLiteral("btn") + name, [this, name, tag] { btnShokuClick(name, tag); });
        OnClick(QStringLiteral("btnSikaku%1").arg(tag), [this, tag] { btnSikakuClick(tag); });
        OnClick(QStringLiteral("btnClear%1").arg(tag), [this, tag] { btnClearClick(tag); });
    }
    connect(FindControl<DBCheckBox>(QStringLiteral("chkISKJ")), &QCheckBox::toggled, this, [this] { chkISKJClick(); });
}

ContractorRules &TGyoInfoForm::rules()
{
    return static_cast<ContractorRules &>(Rules());
}

void TGyoInfoForm::FormShow()
{
    LocalEdition = Config::read(Context().records.Settings, Config::Local);
    rules().SetContractor(KojiCode, GyoCode);
    GyoCode = rules().GyoCode();
    NewGyo = rules().IsNewContractor();
    fixLayout();
    IBTable1.SetFilter(QStringLiteral("KJCD = ? and GYOCD = ?"), {CodeParam(KojiCode), CodeParam(GyoCode)});
    Session().SetCarrying(!NewGyo);
    SetCreating(NewGyo);
    TVersionEditor::FormShow();
    IBTable1.Last();
    if (NewGyo) {
        btnNewClick();
        rules().FillFromProject(IBTable1);
    }
    chkISKJClick();
}

void TGyoInfoForm::fixLayout()
{
    const bool jv = Context().records.Project.CurIsJV();
    const bool local = !LocalEdition.isEmpty();
    auto *engineers = FindControl<QTabWidget>(QStringLiteral("PageControl1"));
    auto *contract = FindControl<QTabWidget>(QStringLiteral("PageControl2"));
    for (int page = 1; page <= 3; ++page)
        engineers->setTabVisible(page, IsPrime && (jv || local));
    contract->setTabVisible(1, local && !IsPrime);
    engineers->setCurrentIndex(0);
    contract->setCurrentIndex(0);
    FindControl<QWidget>(QStringLiteral("JVCtlPanel"))->setVisible(IsPrime && jv);
    for (int n = 1; n <= 4; ++n) {
        for (const QString &name : {QStringLiteral("lblSNKYDT%1"), QStringLiteral("dtSNKYDT%1")})
            FindControl<QWidget>(name.arg(n))->setVisible(local && IsPrime);
        if (n > 1)
            FindControl<QWidget>(QStringLiteral("DBComboBoxKSNM%1").arg(n))->hide();
    }
    if (!IsPrime)
        return;
    for (const char *name : {"lblKS", "lblKJNY", "lblAZ1", "lblAZ2", "lblAZ3", "lblKYNM", "lblKYAD", "chkISKJ"})
        paintCaption(FindControl<QWidget>(QLatin1String(name)));
}

void TGyoInfoForm::chkISKJClick()
{
    const bool notContract = FindControl<DBCheckBox>(QStringLiteral("chkISKJ"))->isChecked();
    FindControl<QLabel>(QStringLiteral("lblKJNY"))
        ->setText(notContract ? QStringLiteral("作業内容") : QStringLiteral("工事内容"));
    FindControl<QTabWidget>(QStringLiteral("PageControl1"))
        ->setTabText(0, notContract ? QStringLiteral("現場責任者") : QStringLiteral("監理・主任"));
}

void TGyoInfoForm::btnShokuClick(const QString &column, int tag)
{
    const StaffChoice staff = Context().services.PickStaff(this);
    if (staff.Name.isEmpty())
        return;
    SetColumnText(column, staff.Name);
    if (tag == 0)
        return;
    SetColumnText(ContractorRules::EngineerImageColumn(tag), rules().CopyStaffImage(staff.ImageFile));
    SetColumnText(ContractorRules::QualificationColumn(tag), staff.Qualification);
    if (tag <= 4) {
        SetColumnText(QStringLiteral("SNDT%1").arg(tag), staff.BirthDate);
        SetColumnText(QStringLiteral("SNNO%1").arg(tag), staff.LicenceNumber);
    }
}

void TGyoInfoForm::btnSikakuClick(int tag)
{
    auto *button = FindControl<QPushButton>(QStringLiteral("btnSikaku%1").arg(tag));
    const NameChoice choice
        = Context().services.PickNameChoice(this, button->mapToGlobal(QPoint(button->width(), 0)), 6);
    if (!choice.Text.isEmpty())
        SetColumnText(ContractorRules::QualificationColumn(tag), choice.Name);
}

void TGyoInfoForm::btnClearClick(int tag)
{
    for (const QString &column : ContractorRules::EngineerColumns(tag))
        SetColumnText(column, {});
}

void TGyoInfoForm::FormClose()
{
    if (IBTable1.Active()) {
        // What closing drops is dropped first, so the name handed back is a stored one.
        if (DataSource1.editing())
            TEditForm::btnCancelClick();
        if (IBTable1.IsEmpty()) {
            GyoCode.clear();
        } else {
            GyoCode = rules().GyoCode();
            GyoName = IBTable1.FieldByName(QStringLiteral("CPNM")).AsString();
            if (GyoName.isEmpty())
                GyoName = Session().Carried(QStringLiteral("CPNM")).toString();
        }
    }
    TVersionEditor::FormClose();
}

PackageRequest TGyoInfoForm::ExportRequest()
{
    PackageRequest request = TVersionEditor::ExportRequest();
    request.name = IBTable1.FieldByName(QStringLiteral("CPNM")).AsString();
    return request;
}

PackageRequest TGyoInfoForm::ImportRequest()
{
    PackageRequest request = TVersionEditor::ImportRequest();
    request.gyoCode = GyoCode;
    return request;
}
