#pragma once

#include "PackageInfoForm.h"

class QCheckBox;
class QLabel;
class QTimer;

namespace sorvik::package {
struct ImportReview;
}

// データを取り込む: shows the header of a package or unit file about to be imported, as
// its review describes it, and asks whether to import it. The import button is enabled
// only for a file this database can take. The overwrite box (workers, staff, names
// master) decides whether rows matching existing ones replace them. For workers a caution
// blinks, every 500 ms between silver with green bold text and white with red text: they
// are written into the contractor the receiver chose, whatever company sent them.
class TImportForm : public PackageInfoForm
{
    Q_OBJECT
public:
    explicit TImportForm(const sorvik::package::ImportReview &review, QWidget *parent = nullptr);

    QCheckBox *chkOverwrite;  // 同じデータの場合内容を上書きする
    QLabel *lblCaution;
    QTimer *Timer1;

    // Read by the opener once the dialog is closed.
    bool Accepted = false;   // 取り込む was pressed
    bool Overwrite = false;  // the box's state at that moment

    // One step of the caution's blinking.
    void Timer1Timer();

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void btnOKClick();
    void showCautionPhase();

    bool m_silverPhase = true;
};
