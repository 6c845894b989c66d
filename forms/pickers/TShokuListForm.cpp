#include "TShokuListForm.h"

#include "controls/DBGrid.h"
#include "services/ModalService.h"
#include "pickers/PickerSql.h"

TShokuListForm::TShokuListForm(QWidget *parent)
    : PickerForm(QStringLiteral("職員情報一覧選択"), QStringLiteral("職員一覧"), QStringLiteral("選択"),
                 QStringLiteral("キャンセル"), parent)
{
    DBGrid1->setColumns({{QStringLiteral("POST"), QStringLiteral("役職"), 120},
                         {QStringLiteral("NAME"), QStringLiteral("氏名"), 140},
                         {QStringLiteral("BNDT"), QStringLiteral("生年月日"), 90},
                         {QStringLiteral("SNSK"), QStringLiteral("資格"), 220}});
    openList(PickerSql::StaffList());
}

void TShokuListForm::btnOKClick()
{
    // An empty list chooses nothing: every result stays empty.
    ShokuCode = current(QStringLiteral("SHCD"));
    Chosen = {current(QStringLiteral("NAME")), current(QStringLiteral("BNDT")), current(QStringLiteral("SNSK")),
              current(QStringLiteral("SNNO")), current(QStringLiteral("SDFL"))};
    accept();
}

void TShokuListForm::BitBtn2Click()
{
    ShokuCode.clear();
    Chosen = {};
    reject();
}

StaffChoice PickStaff(QWidget *parent)
{
    TShokuListForm picker(parent);
    if (ModalService::current().run(picker) != QDialog::Accepted)
        return {};
    return picker.Chosen;
}
