#pragma once

#include "controls/RettoTab.h"
#include "bases/TEditForm.h"
#include "data/TableDataSet.h"

class DBComboBox;
class DBEdit;
class DBGrid;
class TImageFrame;
class TplDateEdit;

// 職員情報: the staff master of the company that uses the program. The same person may
// be entered once per qualification; 複写 starts such a row from the current one.
class TSyokuInfo : public TEditForm
{
    Q_OBJECT
public:
    explicit TSyokuInfo(QWidget *parent = nullptr);

    TableDataSet IBTable1;
    DBEdit *DBEditSHCD;
    DBEdit *DBEditNAME;
    DBEdit *DBEditFURI;
    DBEdit *DBEditPOST;
    TplDateEdit *dtBNDT;
    DBComboBox *cmbSNSK;
    DBEdit *DBEditSNNO;
    DBEdit *DBEditSDFL;
    TImageFrame *ImageFrame1;
    DBGrid *DBGrid1;
    QPushButton *btnCopy;

    void btnCopyClick();
    void DataSource1StateChange() override;
    void DataSource1DataChange(int field) override;
    void FormCloseQuery(bool &canClose) override;

private:
    void FormCreate();
    QWidget *buildFields();
    void IBTable1AfterScroll();
    void IBTable1AfterInsert();
    void IBTable1BeforePost();
    void dtBNDTChange();
    void ImageFrame1ImageChange();
    void showRow();
    void updateCopyButton();

    RettoTab m_retto;
};
