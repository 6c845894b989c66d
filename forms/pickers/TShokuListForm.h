#pragma once

#include "PickerForm.h"

struct StaffChoice
{
    QString Name;
    QString BirthDate;
    QString Qualification;
    QString LicenceNumber;
    QString ImageFile;
};

// 職員情報一覧選択: chooses a member of the company's staff.
class TShokuListForm : public PickerForm
{
    Q_OBJECT
public:
    explicit TShokuListForm(QWidget *parent = nullptr);

    // The chosen member; all empty when nothing was chosen. SHCD is kept, not returned.
    QString ShokuCode;
    StaffChoice Chosen;

protected:
    void btnOKClick() override;
    void BitBtn2Click() override;
};

// Opens the staff picker; every field is empty when nothing was chosen.
StaffChoice PickStaff(QWidget *parent);
