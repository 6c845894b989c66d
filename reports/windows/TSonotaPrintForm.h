#pragma once

#include "TPrintForm.h"

class QButtonGroup;
class QGroupBox;
class QRadioButton;
class QTabWidget;

// Other safety documents (その他安全文書印刷): for now the notice of construction work
// that the prime contractor hands to its subcontractors, dated today.
class TSonotaPrintForm : public TPrintForm
{
    Q_OBJECT
public:
    explicit TSonotaPrintForm(QWidget *parent = nullptr);

    static inline const QString NoSheet = QStringLiteral("印刷する用紙を選択して下さい");

    QTabWidget *PageControl1;
    QGroupBox *grpA;
    QRadioButton *rbNotice;

protected:
    void PrintDocument(int tag) override;
};
