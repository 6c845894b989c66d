#pragma once

#include <QString>

// The report windows the main window opens.
enum class PrintWindow {
    Roster,         // TMeiboPrintForm: worker roster and worker cards
    Ledger,         // TDaityoPrintForm: ledger (mode 1) and re-subcontracting notice (mode 2)
    EngineerChart,  // TTaikeiPrintForm
    Instructions,   // TNissiPrintForm
    Licences,       // TLicencePrintForm
    Notifications,  // TKikaiPrintForm
    Inspections,    // TTenkenPrintForm
    OtherSafety,    // TSonotaPrintForm
};

// What the main window gives a report window before showing it.
struct PrintRequest
{
    PrintWindow window = PrintWindow::Roster;
    QString kojiCode;
    // The contractor selected in the tree (roster, qualification lists, notifications) or
    // the prime contractor (instructions and reports).
    QString gyoCode;
    // Ledger 1 or notice 2; notifications 0; roster 1 starts on the worker cards.
    int mode = 0;
    // Inspections: the page shown on the main window's print panel.
    int page = 0;
};
