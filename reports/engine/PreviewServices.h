#pragma once

#include <QString>
#include <functional>

class QDialog;
class QPrinter;
class QWidget;

namespace celvane {

// Everything of the preview that talks to the person or the system, replaceable so that
// tests can answer in their place.
struct PreviewServices
{
    // A file name to save under ("" when cancelled); the filter offers .xlsx and .pdf.
    std::function<QString(QWidget *parent, const QString &suggested)> chooseSaveFile;
    std::function<void(QWidget *parent, const QString &text)> showMessage;
    // Lets the person pick a printer and its settings; false when cancelled.
    std::function<bool(QWidget *parent, QPrinter &printer)> setUpPrinter;
    // The system's default printer, "" when it has none.
    std::function<QString()> defaultPrinterName;
    // Shows the preview window until it is closed.
    std::function<void(QDialog &window)> showModal;

    static PreviewServices standard();
};

}  // namespace celvane
