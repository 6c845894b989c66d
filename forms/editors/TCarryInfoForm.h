#pragma once

#include "TEquipmentEditor.h"

class QPushButton;

// 工事用車両届: a vehicle a contractor uses for the works, with its inspection, its
// driver (taken from the contractor's roster with a licence) and its insurances.
class TCarryInfoForm : public TEquipmentEditor
{
    Q_OBJECT
public:
    explicit TCarryInfoForm(const EditorContext &context, QWidget *parent = nullptr);

    QPushButton *btnOPNM;

    void btnOPNMClick();

protected:
    QString ExportName() override;
};
