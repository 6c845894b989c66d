#pragma once

#include "bases/TmyForm.h"

class MainFormWindows;
class QCheckBox;
class QLineEdit;
class QPushButton;
class TDataModule1;

// 関連情報削除画面: deletes every record one project holds (ProjectDeletion), after the
// user picked the project and confirmed. OK is enabled only while a project is chosen.
// The main window reads DeletedCurrent to reload the current project.
class TDelAllForm : public TmyForm
{
    Q_OBJECT
public:
    TDelAllForm(TDataModule1 &data, MainFormWindows &windows, QWidget *parent = nullptr);

    QString KojiCode = QStringLiteral("0");  // the chosen project, "0" when none
    bool DeletedCurrent = false;

    QLineEdit *edtKJNM;
    QPushButton *btnPick;
    QCheckBox *chkReusable;
    QPushButton *btnOK;
    QPushButton *btnClose;

private:
    void btnPickClick();
    void btnOKClick();
    void choose(const QString &code, const QString &name);

    TDataModule1 &m_data;
    MainFormWindows &m_windows;
};
