#pragma once

#include "TmyForm.h"
#include "data/DataSource.h"

#include <QPushButton>

class QLabel;
class QStatusBar;
class QWidget;
class TPanel;
class TableDataSet;

// The base of the record editors: a window bound to one table dataset through
// DataSource1, with the version strip (RirekiPanel: "ID", btnPrev, btnNext), the title
// (TitlePanel), the client area for the editor's controls (EditPanel), the button row
// (JobPanel) and a status bar.
//
// Buttons follow the dataset: post and cancel while a record is edited or new, new and
// delete while browsing; previous and next unless the dataset stands at its beginning
// or end. With OwnTransaction (the default) every post is committed (commit-retaining,
// after the dataset's AfterPost) and a cancel rolled back (rollback-retaining).
//
// A failed post is not rolled back: the engine undoes the failed statement by itself,
// and a rollback would also drop the rows written for the record before it (its stored
// images), which it still refers to.
//
// Handlers are virtual; a derived editor overrides them and calls the base.
class TEditForm : public TmyForm
{
    Q_OBJECT
public:
    explicit TEditForm(QWidget *parent = nullptr);

    DataSource DataSource1;
    TPanel *TitlePanel;
    TPanel *RirekiPanel;
    QLabel *lblID;
    QPushButton *btnPrev;
    QPushButton *btnNext;
    QWidget *EditPanel;
    TPanel *JobPanel;
    QPushButton *btnImport;
    QPushButton *btnExport;
    QPushButton *btnNew;
    QPushButton *btnDel;
    QPushButton *btnPost;
    QPushButton *btnCancel;
    QPushButton *btnClose;
    QStatusBar *StatusBar1;

    bool OwnTransaction = true;
    // 0 normal; 1 run the import when first shown; 2 run the export. Set by the opener.
    int StartMode = 0;

    // The dataset of DataSource1 when it is a table; nullptr otherwise.
    TableDataSet *EditDataSet() const;

    virtual void FormActivate();
    virtual void DataSource1StateChange();
    virtual void DataSource1DataChange(int field);
    virtual void btnPrevClick();
    virtual void btnNextClick();
    virtual void btnNewClick();
    virtual void btnPostClick();
    virtual void btnCancelClick();
    virtual void btnDelClick();
    virtual void btnImportClick() { }
    virtual void btnExportClick() { }
    // Whether the window may close; asks when a record is unposted.
    virtual void FormCloseQuery(bool &canClose);
    virtual void FormClose();

public slots:
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void connectButton(QPushButton *button, void (TEditForm::*handler)());
    bool editing() const;
    void commitIfOwned();
    void updateButtons();

    bool m_activated = false;
    bool m_closeApproved = false;
};
