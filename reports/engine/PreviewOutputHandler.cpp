#include "PreviewOutputHandler.h"

#include "Celvane.h"
#include "CelvaneError.h"
#include "PreviewWindow.h"

#include <QFileInfo>
#include <QPrinter>
#include <QPrinterInfo>

namespace celvane {

namespace {
// The document ends with the engine's own error whatever went wrong, so that the window that
// asked for it shows one message and stays open.
template<typename Work> void endingWithEngineErrors(Work work)
{
    try {
        work();
    } catch (const CelvaneError &) {
        throw;
    } catch (const std::exception &error) {
        throw CelvaneError(CelvaneError::messageOf(error));
    }
}
}  // namespace

void PreviewOutputHandler::preview(Celvane &engine, const QRect &area)
{
    endingWithEngineErrors([&] {
        PreviewWindow window(
            engine.finishedDocument(), engine.allowSave,
            [&engine](const QString &fileName) { engine.saveAs(fileName); }, m_services);
        window.setSuggestedFileName(QFileInfo(engine.resolvedFileName()).completeBaseName() + QStringLiteral(".xlsx"));
        if (area.width() > 100 && area.height() > 100)
            window.setGeometry(area);
        m_services.showModal(window);
    });
}

void PreviewOutputHandler::print(Celvane &engine)
{
    const QString printerName = m_services.defaultPrinterName();
    if (printerName.isEmpty()) {
        m_services.showMessage(
            nullptr, QStringLiteral("プリンタが設定されていません。\nプリンタを設定してから印刷して下さい。"));
        return;
    }
    endingWithEngineErrors([&] {
        QPrinter printer(QPrinterInfo::printerInfo(printerName), QPrinter::HighResolution);
        printer.setFullPage(true);
        DocumentRenderer(engine.finishedDocument()).print(printer);
    });
}

}  // namespace celvane
