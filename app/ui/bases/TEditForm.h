#pragma once

#include "TmyForm.h"
#include "data/DataSetObserver.h"
#include "data/DataSource.h"
#include "records/EditButtons.h"

#include <QPushButton>
#include <functional>

class QLabel;
class QStatusBar;
class QVBoxLayout;
class QWidget;
class TPanel;
class TableDataSet;

namespace db {
class Transaction;
}

// The base of the record editors: a window bound to one table dataset through
// DataSource1, with the version strip (RirekiPanel: "ID", btnPrev, btnNext), the title
// (TitlePanel), the client area for the editor's controls (EditPanel), the button row
// (JobPanel) and a status bar.
//
// Buttons follow the edit state: post and cancel while a record is edited or new, new and
// delete while browsing; previous and next unless the dataset stands at its beginning
// or end. An editor without a dataset (the chart editor) keeps its own state and
// overrides ButtonStates and HasUnpostedChanges, calling UpdateButtons after each command.
// With OwnTransaction (the default) every post is committed (commit-retaining, after the
// dataset's AfterPost) and a cancel rolled back (rollback-retaining).
//
// A failed post is not rolled back: the engine undoes the failed statement by itself,
// and a rollback would also drop the rows written for the record before it (its stored
// images), which it still refers to.
//
// Editors add to the window only through the members below (AddJobButton, AddJobWidget,
// SetIdField, AddPanel), never through the base's layouts. Handlers are virtual; a derived editor
// overrides them and calls the base.
class TEditForm : public TmyForm, private DataSetObserver
{
    Q_OBJECT
public:
    explicit TEditForm(db::Transaction &transaction, QWidget *parent = nullptr);
    ~TEditForm() override;

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

    db::Transaction &Transaction() const { return m_transaction; }
    // The dataset of DataSource1 when it is a table; nullptr otherwise.
    TableDataSet *EditDataSet() const;

    // A button of the job row, left of the base's buttons, whose clicks run `handler` as a
    // user action. Enabled while browsing a record unless `enabledWhen` says otherwise.
    QPushButton *AddJobButton(const QString &name, const QString &caption, const QString &hint,
                              std::function<void()> handler, std::function<bool()> enabledWhen = {});
    // A control of the job row (a caption, a date picker), left of the job buttons added
    // after it.
    void AddJobWidget(QWidget *widget);
    // The version strip shows `field` under its header, which reads `caption`.
    void SetIdField(const QString &caption, QWidget *field);
    // Editors of records without versions hide the strip.
    void HideVersionStrip();
    // Adds a panel to the client area, below what is there or above it.
    enum class PanelPlace { Top, Bottom };
    void AddPanel(QWidget *panel, PanelPlace place = PanelPlace::Bottom, int stretch = 0);

    // Which buttons may be pressed now. By default they follow the dataset's state.
    using ButtonStates = EditButtons;
    virtual ButtonStates CurrentButtonStates() const;
    // Applies CurrentButtonStates and the job buttons' rules.
    void UpdateButtons();
    // Whether closing must ask first: by default while a record is edited or new.
    virtual bool HasUnpostedChanges() const;

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
    struct JobButton
    {
        QPushButton *button;
        std::function<bool()> enabledWhen;
    };

    void DataSetStateChanged() override { DataSource1StateChange(); }
    void DataSetDataChanged(int field) override { DataSource1DataChange(field); }
    void DataSetPosted() override { commitIfOwned(); }
    void connectButton(QPushButton *button, void (TEditForm::*handler)());
    bool editing() const { return DataSource1.editing(); }
    void commitIfOwned();

    db::Transaction &m_transaction;
    QVBoxLayout *m_editLayout;
    QList<JobButton> m_jobButtons;
    int m_jobButtonCount = 2;  // import and export lead the row
    bool m_activated = false;
    bool m_closeApproved = false;
};
