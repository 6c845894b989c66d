#pragma once

#include "bases/TmyForm.h"

#include <QStringList>

class QPlainTextEdit;
class QPushButton;
class QVBoxLayout;

// The frame the export and import dialogs share: the package's header lines in a
// read-only memo "ファイル情報", the dialog's own controls below it, and a confirm and a
// cancel button. Cancel and the window's close button both reject.
class PackageInfoForm : public TmyForm
{
    Q_OBJECT
public:
    PackageInfoForm(const QString &caption, const QStringList &fileInfo, const QString &okCaption,
                    QWidget *parent = nullptr);

    QPlainTextEdit *Memo1;
    QPushButton *btnOK;
    QPushButton *btnCancel;  // 取り消し

protected:
    // The derived dialog's controls go here, between the memo and the buttons.
    QVBoxLayout *Body;
};
