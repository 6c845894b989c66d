#pragma once

#include "kit/TRecordEditor.h"
#include "records/EquipmentRules.h"

// The base of the vehicle, machine and tool editors: one notification of one contractor,
// opened by the notification list with the project, the contractor and the record's code
// (none for a new record). The title panel names the project. A new record is begun at
// once and gets the project's next code; a cancel before its first post closes the window
// and leaves nothing behind. Records are listed, made and deleted by the list, so the
// base's new and delete buttons are hidden. The barcode field shows only when the unified
// barcode is on.
class TEquipmentEditor : public TRecordEditor
{
    Q_OBJECT
public:
    // Set by the opener before showing; RecordCode holds the new record's code afterwards.
    QString KojiCode;
    QString GyoCode;
    QString RecordCode;

    bool NewRecord() const { return m_rules.NewRecord(); }

    void btnCancelClick() override;

protected:
    TEquipmentEditor(const EditorContext &context, std::unique_ptr<EquipmentRules> rules, const EditorSpec &declaration,
                     QWidget *parent);

    void FormShow() override;
    PackageRequest ExportRequest() override;
    PackageRequest ImportRequest() override;
    // The record's name in the proposed package file name.
    virtual QString ExportName() = 0;
    // Puts the record into edit for a picker's choice.
    void EditRecord();
    QString FieldText(const QString &column);
    // The date the era edit of `column` holds now, as typed or loaded ("yyyy/mm/dd";
    // empty when it holds none): a period's end is compared before it is posted.
    QString EditedDate(const QString &column);

private:
    EquipmentRules &m_rules;
};
