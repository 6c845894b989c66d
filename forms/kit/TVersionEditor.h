#pragma once

#include "TRecordEditor.h"
#include "records/VersionRules.h"

// The base of the editors of records kept as dated versions (a project's particulars, a
// contractor's). The version strip holds the application date APDT and steps through
// the versions; 改訂 begins a new version as a copy of the one shown. Leaving the
// application date with a text that names no day says so and goes back to it, unless the
// user is leaving the record (取消, 閉じる); a date typed another way ("2019-04-01") is
// shown as the day it names. The title shows the current project.
//
// Opened to make a new object (SetCreating), the window closes after its first post or
// cancel. Posted tells the opener that the stored versions changed: a post, a deleted
// version or an imported package.
class TVersionEditor : public TRecordEditor
{
    Q_OBJECT
public:
    bool Posted = false;

    // The field of the version strip.
    static FieldSpec AppliedDateField();

    void btnPostClick() override;
    void btnCancelClick() override;
    void DBEditAPDTExit();

protected:
    TVersionEditor(const EditorContext &context, std::unique_ptr<VersionRules> rules, const EditorSpec &declaration,
                   QWidget *parent);

    void SetCreating(bool creating) { m_creating = creating; }
    // Whether the focus just went to a button that leaves the record (取消, 閉じる), where
    // checks on leaving a field would only stand in the way.
    bool LeavingRecord() const;
    void RecordImported() override { Posted = true; }

private:
    QWidget *m_appliedDate;
    bool m_creating = false;
};
