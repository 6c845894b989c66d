#pragma once

#include "TPrintForm.h"

// A report window whose document is still to come: its caption and title as the real
// window will have them, a notice saying so, and print and preview disabled.
class NotYetPrintForm : public TPrintForm
{
    Q_OBJECT
public:
    NotYetPrintForm(const QString &caption, QWidget *parent = nullptr);

    static inline const QString Notice = QStringLiteral("この印刷はまだ用意されていません。\n"
                                                        "今後の版で印刷できるようになります。");

protected:
    void PrintDocument(int) override { }  // its buttons stay disabled
};
