#pragma once

#include "TPrintForm.h"

class CheckedDatePicker;
class QTabWidget;

// The daily safety sheets (安全衛生印刷画面): the work instruction, the safety meeting and
// the training report, one page each; the active page chooses the sheet and its date box
// the printed date.
class TNissiPrintForm : public TPrintForm
{
    Q_OBJECT
public:
    explicit TNissiPrintForm(QWidget *parent = nullptr);

    QString GyoCode;  // the prime contractor, set by the opener

    QTabWidget *PageControl1;
    CheckedDatePicker *dtPic;
    CheckedDatePicker *dtPic2;
    CheckedDatePicker *dtPic3;

protected:
    void PrintDocument(int tag) override;
};
