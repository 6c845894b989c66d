#pragma once

#include "TPrintForm.h"
#include "data/DataSource.h"
#include "data/QueryDataSet.h"

class CheckedDatePicker;
class DBGrid;
class QComboBox;
class QLineEdit;

// The machine search (機械検索): the project's machines by part of their name, their
// first-tier company and a day of use. Opened as the inspection sheets' machine picker
// (mode 1): a double click or 選択 returns the machine's name and acceptance number.
class TKikaiListForm : public TPrintForm
{
    Q_OBJECT
public:
    explicit TKikaiListForm(QWidget *parent = nullptr);

    static constexpr int PickerMode = 1;
    static inline const QString NothingFound = QStringLiteral("該当データは有りません");

    void SetMode(int mode);

    // The picked machine; an empty name when nothing was picked.
    QString PickedName;
    QString PickedAcceptance;

    CheckedDatePicker *dtUSE;
    QComboBox *cmbCMP1NM;
    QLineEdit *txtName;
    QPushButton *BitBtn1;
    DBGrid *DBGrid1;
    QPushButton *btnOK;
    QPushButton *btnCansel;
    QueryDataSet IBQuery1;
    DataSource DataSource1;

protected:
    void showEvent(QShowEvent *event) override;
    void PrintDocument(int) override { }  // a picker prints nothing

private:
    void BitBtn1Click();
    void btnOKClick();
    void btnCanselClick();

    int m_mode = 0;
};
