#include "PreviewServices.h"

#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace celvane {

PreviewServices PreviewServices::standard()
{
    PreviewServices services;
    services.chooseSaveFile = [](QWidget *parent, const QString &suggested) {
        return QFileDialog::getSaveFileName(parent, QStringLiteral("名前を付けて保存"), suggested,
                                            QStringLiteral("Excel ブック (*.xlsx);;PDF (*.pdf)"));
    };
    services.showMessage
        = [](QWidget *parent, const QString &text) { QMessageBox::information(parent, QStringLiteral("印刷"), text); };
    services.setUpPrinter = [](QWidget *parent, QPrinter &printer) {
        QPrintDialog dialog(&printer, parent);
        return dialog.exec() == QDialog::Accepted;
    };
    services.defaultPrinterName = [] { return QPrinterInfo::defaultPrinter().printerName(); };
    services.showModal = [](QDialog &window) { window.exec(); };
    return services;
}

}  // namespace celvane
