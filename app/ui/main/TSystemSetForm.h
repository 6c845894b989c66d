#pragma once

#include "settings/SystemSettings.h"

#include "bases/TmyForm.h"

#include <QFont>

class ColorBox;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTabWidget;

// 各種設定: every setting of the data section of the configuration on seven pages.
// 登録 writes them all and closes; 閉じる closes without writing.
class TSystemSetForm : public TmyForm
{
    Q_OBJECT
public:
    explicit TSystemSetForm(QWidget *parent = nullptr);

    // Shows only the profile page and asks for the company name.
    void askCompanyNameOnly();

    QTabWidget *PageControl1;
    QLineEdit *edtCMPNAME;
    QCheckBox *chkBarCode;
    QSpinBox *spnOLD;
    QSpinBox *spnYOUNG;
    QGroupBox *grpExpMenu;
    QCheckBox *chkEXPMENU;
    QGroupBox *grpPreInDlg;
    QCheckBox *chkPREINDLG;
    QLineEdit *edtKENGEN;
    QLineEdit *edtIKEN;
    QSpinBox *spnBMUPR;
    QSpinBox *spnBMLOW;
    QCheckBox *chkSlash;
    QLineEdit *edtRemark[4];
    ColorBox *cmbTitleColor;
    ColorBox *cmbTitleFontColor;
    QPushButton *btnFont;
    QCheckBox *chkLocal;
    QComboBox *cmbLocal;
    QPushButton *btnPost;
    QPushButton *btnClose;

    // The title font as the font button shows it.
    QFont titleFont() const { return m_titleFont; }
    void setTitleFont(const QFont &font);

private:
    QWidget *profilePage();
    QWidget *generalPage();
    QWidget *healthPage();
    QWidget *chartPage();
    QWidget *rosterPage();
    QWidget *layoutPage();
    QWidget *regionalPage();
    void FormShow();
    void btnPostClick();
    void btnFontClick();

    SystemSettings m_settings;
    QFont m_titleFont;
};
