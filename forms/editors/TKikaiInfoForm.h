#pragma once

#include "TEquipmentEditor.h"

class QPushButton;

// 持込機械使用届: a machine a contractor brings onto the site, with its operators (taken
// from the contractor's roster with their qualifications), its expiry dates and
// insurance, and its inspection checklist of sections A to H, each item checked in two
// inspections (a) and (b).
class TKikaiInfoForm : public TEquipmentEditor
{
    Q_OBJECT
public:
    explicit TKikaiInfoForm(const EditorContext &context, QWidget *parent = nullptr);

    QPushButton *btnOPNM;   // the operator, tag 0
    QPushButton *btnOPNM2;  // the deputy, tag 1

    void btnOPNMClick(int tag);

protected:
    QString ExportName() override;
};
