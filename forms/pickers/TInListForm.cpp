#include "TInListForm.h"

#include "controls/DBGrid.h"
#include "services/ModalService.h"
#include "pickers/PickerSql.h"

#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>

TInListForm::TInListForm(QWidget *parent)
    : PickerForm(QStringLiteral("作業員資格一覧"), QStringLiteral("作業員一覧"), QStringLiteral("選択"),
                 QStringLiteral("キャンセル"), parent)
{
    lblMulti = new QLabel(QStringLiteral("複数選択するには「Ctrl」キーを押しながらクリックします"), this);
    lblMulti->hide();
    Body->addWidget(lblMulti);
    DBGrid1->setColumns({{QStringLiteral("NAME"), QStringLiteral("氏名"), 140},
                         {QStringLiteral("BNDT"), QStringLiteral("生年月日"), 90},
                         {QStringLiteral("SKNM"), QStringLiteral("資格"), 260},
                         {QStringLiteral("SKNO"), QStringLiteral("資格番号"), 160}});
    resize(800, 440);
}

void TInListForm::Fill()
{
    DBGrid1->setMultiSelect(multiple());
    lblMulti->setVisible(multiple());
    openList(PickerSql::WorkerQualificationList(KojiCode, GyoCode, Kinds));
}

void TInListForm::btnOKClick()
{
    Chosen = {current(QStringLiteral("NAME")), current(QStringLiteral("BNDT")), current(QStringLiteral("ADRS")),
              current(QStringLiteral("SKNM")), current(QStringLiteral("SKNO")), current(QStringLiteral("YOBIS1"))};
    if (multiple() && hasRows()) {
        QList<int> rows = DBGrid1->selectedRows();
        std::sort(rows.begin(), rows.end());
        const int name = IBQuery1.FieldIndex(QStringLiteral("NAME"));
        const int qualification = IBQuery1.FieldIndex(QStringLiteral("SKNM"));
        QStringList names;
        QStringList qualifications;
        for (int row : rows) {
            names << IBQuery1.RowValue(row, name).toString();
            qualifications << IBQuery1.RowValue(row, qualification).toString();
        }
        Chosen.Qualification = PickerSql::JoinedQualifications(names, qualifications, Chosen.Name);
    }
    accept();
}

void TInListForm::BitBtn2Click()
{
    Chosen = {};
    reject();
}

WorkerQualificationChoice PickWorkerQualification(QWidget *parent, const QString &kojiCode, const QString &gyoCode,
                                                  const QString &kinds)
{
    TInListForm picker(parent);
    picker.KojiCode = kojiCode;
    picker.GyoCode = gyoCode;
    picker.Kinds = kinds;
    picker.Fill();
    if (ModalService::current().run(picker) != QDialog::Accepted)
        return {};
    return picker.Chosen;
}
