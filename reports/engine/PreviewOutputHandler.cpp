#include "PreviewOutputHandler.h"

#include "Celvane.h"
#include "CelvaneError.h"
#include "PreviewWindow.h"

#include <QFileInfo>
#include <QPrinter>
#include <QPrinterInfo>

namespace celvane {

void PreviewOutputHandler::preview(Celvane &engine, const QRect &area)
{
    PreviewWindow window(
        engine.finishedDocument(), engine.allowSave, [&engine](const QString &fileName) { engine.saveAs(fileName); },
        m_services);
    window.setSuggestedFileName(QFileInfo(engine.resolvedFileName()).completeBaseName() + QStringLiteral(".xlsx"));
    if (area.width() > 100 && area.height() > 100)
        window.setGeometry(area);
    m_services.showModal(window);
}

void PreviewOutputHandler::print(Celvane &engine)
{
    const QString printerName = m_services.defaultPrinterName();
    if (printerName.isEmpty()) {
        m_services.showMessage(
            nullptr, QStringLiteral("プリンタが設定されていません。\nプリンタを設定してから印刷して下さい。"));
        return;
    }
    QPrinter printer(QPrinterInfo::printerInfo(printerName), QPrinter::HighResolution);
    printer.setFullPage(true);
    DocumentRenderer(engine.finishedDocument()).print(printer);
}

}  // namespace celvane
