#pragma once

#include "kit/TRecordEditor.h"
#include "records/WorkerRoster.h"

class DBDateEdit;
class QComboBox;
class QLineEdit;
class WorkerRules;

// 作業員名簿: the workers of one contractor of a project, with the contractors of the
// construction system to choose from. Job types and marks are added from the names
// master; licences, skill trainings and special educations are kept in detail by the
// qualification editor, whose posts stand or fall with the worker being edited, and the
// roster keeps their abbreviations. Leaving the birth date sets the age and its flags;
// the selection mark in the list decides who is printed and exported and is saved at
// once. The contractor can be changed only while no worker is being edited.
class TMeiboListForm : public TRecordEditor
{
    Q_OBJECT
public:
    explicit TMeiboListForm(const EditorContext &context, QWidget *parent = nullptr);

    // Set by the opener before the contractor list is loaded.
    QString KojiCode = QStringLiteral("0");
    QString KojiName;
    // The contractor shown.
    QString GyoCode = QStringLiteral("0");

    QComboBox *ComboBox1 = nullptr;
    QPushButton *btnCalc = nullptr;
    QLineEdit *editBarcd;
    DBDateEdit *dtBNDT;

    // Fills the contractor drop-down from the construction system the main window
    // published; false, after saying so, when the project has no contractor.
    bool LoadContractorList();
    // Shows the workers of the contractor `gyoCode`, or of the first one when it is not
    // in the list.
    void SelectContractor(const QString &gyoCode);
    // Moves to the worker `workerCode`; false when the contractor has no such worker.
    bool LocateWorker(const QString &workerCode);

    void ComboBox1Change();
    // The names or qualification choice of the column with this tag: 1 MENKYO,
    // 2 GINOKYO, 3 TOKUKYO (the qualification editor), 4 TYP, 5 KIGO (the names picker
    // at the right of `control`).
    void btnMeishoClick(int tag, QWidget *control);
    void btnCalcClick();
    void btnExportClick() override;
    void btnImportClick() override;
    void dtBNDTExit();
    void DataSource1StateChange() override;

protected:
    void FormShow() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    WorkerRules &workers();
    QWidget *contractorStrip();
    void showContractor(int index);
    void showSelectedCount();
    void applyStates();
    void toggleSelection(int row);
    void postPending();

    QStringList m_gyoCodes;
    WorkerRoster m_roster;
    bool m_choosing = false;
};
