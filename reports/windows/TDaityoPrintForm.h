#pragma once

#include "TPrintForm.h"
#include "ledger/LedgerChoices.h"
#include "ledger/LedgerContractors.h"

class QCheckBox;
class QComboBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QRadioButton;

// The construction-system ledger print (施工体制台帳印刷画面). Mode 1 prints the ledger
// for the prime contractor, mode 2 the re-subcontracting notice of a reporting
// subcontractor; either for one contractor directly below the upper side or for all of
// them, a page each. With 地域版指定書式で印刷 ticked (offered when the configuration
// names a region) the pages come in one of the five regional layouts; the first two
// describe the prime contractor alone and are offered in mode 1 only. Print and preview
// are enabled only when there is something to print.
class TDaityoPrintForm : public TPrintForm
{
    Q_OBJECT
public:
    explicit TDaityoPrintForm(QWidget *parent = nullptr);

    // 1 ledger, 2 notice; called by the opener before the window is shown.
    void SetMode(int mode);
    int Mode() const { return m_mode; }

    QLabel *lblPrDT;
    QDateEdit *PrDT;
    QLabel *lblCMP;
    QComboBox *cmbCMP;
    QLabel *lblUke;
    QCheckBox *chkListAll;
    QComboBox *cmbUke;
    QCheckBox *chkPrnLocal;
    QGroupBox *grpLocalLyout;
    QList<QRadioButton *> rbLyouts;  // rbLyout1 … rbLyout5, Tag 0 … 4

    // The choices of the window as the documents take them.
    sorvik::documents::LedgerChoices Choices() const;

protected:
    void showEvent(QShowEvent *event) override;
    void PrintDocument(int tag) override;

private:
    QWidget *buildLocalLayouts();
    void fillUke(const QString &upper);
    void cmbCMPChange();
    void chkListAllClick();
    void chkPrnLocalClick();
    void ButtonRule();
    QRadioButton *chosenLayout() const;

    int m_mode = 0;
    QList<sorvik::documents::LedgerEntry> m_uke;  // the entries of cmbUke
    QList<sorvik::documents::LedgerEntry> m_cmp;  // the entries of cmbCMP
};
