#pragma once

#include "TPrintForm.h"
#include "data/DataSource.h"
#include "data/TableDataSet.h"
#include "program/CurrentProject.h"
#include "roster/RosterChoices.h"

#include <QPixmap>
#include <functional>
#include <memory>

class DBGrid;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QListWidget;

namespace sorvik::documents {
class StriluxControl;
}

// The worker roster print (作業員名簿印刷): for one contractor of the project, the workers
// in a grid where the print marks are set (each mark committed at once), and the roster
// or, with 資格付き作業員票で印刷 ticked, one worker card per marked worker. The contractor
// list is the construction-system tree as the main window publishes it.
class TMeiboPrintForm : public TPrintForm
{
    Q_OBJECT
public:
    explicit TMeiboPrintForm(QWidget *parent = nullptr);
    ~TMeiboPrintForm() override;

    // The contractor whose workers are shown: the opener's choice, then the list's.
    QString GyoCode;
    // Opens the worker roster editor on a project, contractor and worker; while it is not
    // given, a double click on a worker does nothing.
    std::function<void(const QString &kojiCode, const QString &gyoCode, const QString &workerCode)> OpenWorkerEditor;
    // The Strilux library the card barcodes are drawn with.
    QString BarcodeLibrary;

    // The check before showing: fills the contractor list from the tree lists; without a
    // contractor says so and returns false, and the window is not shown.
    bool LoadContractorList();

    QListWidget *ListBox1;
    QDateEdit *dtPic;
    QPushButton *btnSelDate;
    QCheckBox *chkCardType;
    QPushButton *btnAll;
    QPushButton *btnClear;
    QPushButton *btnCalc;
    QComboBox *cmbSort;
    DBGrid *DBGrid1;
    TableDataSet IBTable1;
    DataSource DataSource1;
    QPixmap Image1;  // marked
    QPixmap Image2;  // unmarked

    // The choices of the window as the documents take them.
    sorvik::documents::RosterChoices Choices() const;

protected:
    void showEvent(QShowEvent *event) override;
    void PrintDocument(int tag) override;

private:
    QWidget *buildChoices();
    void ListBox1Click();
    void DBGrid1CellClick(int row, int column);
    void DBGrid1DblClick();
    void btnAllClick(bool marked);
    void btnSelDateClick();
    void cmbSortChange();
    void btnCalcClick();
    void openTable();
    sorvik::documents::StriluxControl *barcodeControl();

    // The entries of ListBox1: the construction system as it was published when the
    // window was checked.
    QList<TreeEntry> m_contractors;
    std::unique_ptr<sorvik::documents::StriluxControl> StriluxCtrl1;
};
