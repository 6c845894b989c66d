#include "TEquipmentEditor.h"

#include "bases/TPanel.h"
#include "config/ConfigKeys.h"
#include "data/DataField.h"
#include "kit/DBDateEdit.h"
#include "program/CurrentProject.h"

#include <QLabel>

TEquipmentEditor::TEquipmentEditor(const EditorContext &context, std::unique_ptr<EquipmentRules> rules,
                                   const EditorSpec &declaration, QWidget *parent)
    : TRecordEditor(context, std::move(rules), declaration, parent)
    , m_rules(static_cast<EquipmentRules &>(Rules()))
{
    TitlePanel->setCaption(context.records.Project.CurKojiName());
    btnNew->hide();
    btnDel->hide();
    const bool barcode = Config::read(context.records.Settings, Config::BarCode);
    for (const char *name : {"editBarcd", "lblBarcd"}) {
        if (auto *control = FindControl<QWidget>(QLatin1String(name)))
            control->setVisible(barcode);
    }
}

void TEquipmentEditor::FormShow()
{
    m_rules.SetRecord(KojiCode, GyoCode, RecordCode);
    RecordCode = m_rules.RecordCode();
    m_rules.FilterToRecord(IBTable1);
    TRecordEditor::FormShow();
    if (m_rules.NewRecord())
        btnNewClick();
}

void TEquipmentEditor::btnCancelClick()
{
    const bool dropNewRecord = m_rules.NewRecord();
    TRecordEditor::btnCancelClick();
    if (dropNewRecord)
        close();
}

void TEquipmentEditor::EditRecord()
{
    DataSource1.edit();
}

QString TEquipmentEditor::FieldText(const QString &column)
{
    return IBTable1.FieldByName(column).AsString().trimmed();
}

QString TEquipmentEditor::EditedDate(const QString &column)
{
    return FindControl<DBDateEdit>(QStringLiteral("dt") + column)->GetDateText();
}

PackageRequest TEquipmentEditor::ExportRequest()
{
    PackageRequest request = TRecordEditor::ExportRequest();
    request.name = ExportName();
    return request;
}

PackageRequest TEquipmentEditor::ImportRequest()
{
    PackageRequest request = TRecordEditor::ImportRequest();
    request.gyoCode = GyoCode;
    return request;
}
