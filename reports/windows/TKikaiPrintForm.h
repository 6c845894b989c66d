#pragma once

#include "EquipmentEditorOpener.h"
#include "TPrintForm.h"
#include "data/DataSource.h"
#include "data/TableDataSet.h"
#include "equipment/EquipmentChoices.h"

#include <QStringList>

class CheckedDatePicker;
class DBGrid;
class QComboBox;
class QTabWidget;

// The list of the vehicles, machines and power tools contractors bring onto the site
// (車両届・持込機械使用届), a page each, for one contractor or all of them. From here the
// records are created, edited, deleted, imported and exported through their editors, and
// the rows selected on the active page (several with Ctrl) print their notifications,
// one page each.
class TKikaiPrintForm : public TPrintForm
{
    Q_OBJECT
public:
    explicit TKikaiPrintForm(QWidget *parent = nullptr);

    static inline const QString AllContractors = QStringLiteral("(全て)");
    static inline const QString ChooseContractor = QStringLiteral("作成する業者を上段から選択して下さい。");
    static inline const QString UsedInDailyRecords
        = QStringLiteral("選択したデータは車両日報に使用されていますので削除出来ません。");
    static inline const QString NothingSelected = QStringLiteral("印刷対象を選択してください。");

    // The check before showing: the contractors of the published construction system
    // after "(全て)"; without any says so and returns false, and the window is not shown.
    bool LoadContractorList();
    // Chooses the entry of a contractor ("(全て)" when it is not in the list).
    void SelectContractor(const QString &gyoCode);

    // The contractor chosen in ComboBox1; empty for all.
    QString GyoCode;
    // The equipment editors; while it is not given, the buttons that open them stay disabled.
    EquipmentEditorOpener OpenEditor;

    QComboBox *ComboBox1;
    CheckedDatePicker *dtPic;
    QTabWidget *PageControl1;
    TableDataSet IBTable1;  // CARRY
    TableDataSet IBTable2;  // KIKAI
    TableDataSet IBTable3;  // KOUGU
    DataSource DataSource1;
    DataSource DataSource2;
    DataSource DataSource3;
    DBGrid *DBGrid1;
    DBGrid *DBGrid2;
    DBGrid *DBGrid3;
    QPushButton *btnNew;
    QPushButton *btnEdit;
    QPushButton *btnDel;
    QPushButton *btnImport;
    QPushButton *btnExport;

    sorvik::documents::EquipmentKind ActiveKind() const;
    // The print choices: the codes of the rows selected on the active page.
    sorvik::documents::EquipmentChoices Choices() const;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void PrintDocument(int tag) override;

private:
    TableDataSet &activeTable();
    DBGrid *activeGrid() const;
    void ComboBox1Change();
    void PageControl1Change();
    void openEditor(QPushButton *button);
    void btnDelClick();

    QStringList m_codes;  // parallel to ComboBox1
};
