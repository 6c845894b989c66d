#pragma once

#include "kit/TVersionEditor.h"

class ProjectRules;

// 工事契約者情報: a construction project's particulars as dated versions (ProjectRules).
// The opener sets KojiCode ("0" for a new project) and reads Posted and KojiCode back.
// A new project opens straight into its first version, takes its application date from
// the start of works as it is entered, and closes on the first post or cancel. The
// safety council's officers come from the staff, the vice-chairman's company from the
// project's contractors.
class TKojiInfoForm : public TVersionEditor
{
    Q_OBJECT
public:
    explicit TKojiInfoForm(const EditorContext &context, QWidget *parent = nullptr);

    QString KojiCode = QStringLiteral("0");
    bool NewKoji = false;

    // The staff button of tag 15, 17, 18 or 19 fills the edit "DBEdit" + tag.
    void ShokuBtnClick(int tag);
    void btnComClick();
    void dtSTDTExit();
    void DBComboBox1Change();
    void FormClose() override;

protected:
    void FormShow() override;
    PackageRequest ExportRequest() override;

private:
    ProjectRules &rules();
};
