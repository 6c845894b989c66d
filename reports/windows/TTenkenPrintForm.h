#pragma once

#include "TPrintForm.h"

#include <functional>

class QButtonGroup;
class QGroupBox;
class QLineEdit;
class QTabWidget;

// The inspection sheets (各種点検表印刷): periodic and before-work checks of scaffolding
// (with the place typed in) and of vehicle-type machines (with the machine's name and
// acceptance number, typed or picked from the project's machines).
class TTenkenPrintForm : public TPrintForm
{
    Q_OBJECT
public:
    explicit TTenkenPrintForm(QWidget *parent = nullptr);

    static inline const QString NoSheet = QStringLiteral("印刷する用紙を選択して下さい");

    // The page of the main window's print panel: 0 shows 足場等, 2 車両系; others keep it.
    void SetPage(int index);

    QTabWidget *PageControl1;
    QGroupBox *grpAC;
    QButtonGroup *grpACItems;
    QLineEdit *txtBasho;
    QGroupBox *grpCC;
    QButtonGroup *grpCCItems;
    QLineEdit *txtKikaiNM;
    QPushButton *btnKKNM;
    QLineEdit *txtJNO;

protected:
    void PrintDocument(int tag) override;

private:
    void btnKKNMClick();
};
