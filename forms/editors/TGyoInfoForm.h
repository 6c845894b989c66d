#pragma once

#include "kit/TVersionEditor.h"

class ContractorRules;

// 業者情報: one contractor of a project as dated versions (ContractorRules). The opener
// sets KojiCode, GyoCode (empty for a new contractor) and IsPrime, and reads GyoCode
// (empty when no version of it is left or none was made) and GyoName back.
//
// What the form shows depends on the contractor and the project, fixed when it opens:
// the prime contractor's captions that matter to it are teal, the engineer pages 2 to 4
// are there for a prime of a JV or in the regional edition, the permits 3 to 6 for a
// prime of a JV; the regional edition (LocalEdition, ini data/Local, "北海道" unless set
// empty) adds its page for subcontractors and the employment dates for the prime. Work
// that is no construction contract (ISKJ) renames the work content and the first
// engineer page.
class TGyoInfoForm : public TVersionEditor
{
    Q_OBJECT
public:
    explicit TGyoInfoForm(const EditorContext &context, QWidget *parent = nullptr);

    QString KojiCode;
    QString GyoCode;
    bool IsPrime = false;
    bool NewGyo = false;
    QString GyoName;
    QString LocalEdition;

    // A staff member into `column`; on an engineer page (tag 1 to 6) with the image, the
    // qualification and, for the chief engineers, the birth date and licence number.
    void btnShokuClick(const QString &column, int tag);
    void btnSikakuClick(int tag);
    void btnClearClick(int tag);
    void chkISKJClick();
    void FormClose() override;

protected:
    void FormShow() override;
    PackageRequest ExportRequest() override;
    PackageRequest ImportRequest() override;

private:
    ContractorRules &rules();
    void fixLayout();
};
