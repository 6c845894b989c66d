#pragma once

#include "TPrintForm.h"
#include "chart/EngineerChartChoices.h"

class QCheckBox;
class QDateEdit;
class QLabel;
class QListWidget;

// The engineer chart print (技術者体系図): the saved versions of the project's organisation
// chart, newest first, and the creation date and connector lines of the document. Without
// a saved version there is nothing to print and both output buttons stay disabled.
class TTaikeiPrintForm : public TPrintForm
{
    Q_OBJECT
public:
    explicit TTaikeiPrintForm(QWidget *parent = nullptr);

    QString ChartDate;  // the version chosen in the list

    QWidget *Panel1;
    QLabel *Label1;
    QListWidget *ListBox1;
    QLabel *Label2;
    QDateEdit *PrDT;
    QCheckBox *chkLinkLine;

    // The choices of the window as the document takes them.
    sorvik::documents::EngineerChartChoices Choices() const;

protected:
    void showEvent(QShowEvent *event) override;
    void PrintDocument(int tag) override;

private:
    void LoadVersions();
    void ListBox1Click();
};
