#include "program/DataModule1.h"
#include "FormWindows.h"
#include "exchange/QtPackageDialogs.h"
#include "services/DesktopUrlService.h"
#include "services/MessageBoxService.h"
#include "startup/ProgramStart.h"
#include "startup/SingleInstanceLock.h"
#include "services/SorvikApplication.h"
#include "startup/StartupMessages.h"
#include "main/TMainForm.h"
#include "EngineLockFolder.h"
#include "db/EngineControl.h"
#include "system/TerminationSignals.h"

#include <QLocale>

namespace {

int runProgram()
{
    MessageBoxService messages;
    MessageService::install(&messages);
    QtPackageDialogs packageDialogs;
    sorvik::package::PackageDialogs::install(&packageDialogs);
    DesktopUrlService urls;
    UrlService::install(&urls);

    SingleInstanceLock lock;
    TDataModule1 dataModule;
    int result = 0;
    if (StartProgram(lock, dataModule, QCoreApplication::applicationDirPath())) {
        FormWindows windows(dataModule);
        TMainForm window(dataModule, windows);
        window.show();
        // A signal taken by a dialog's event loop before this point would be lost when
        // exec() starts afresh.
        const int signal = TerminationSignals::received();
        result = signal ? 128 + signal : QApplication::exec();
        // The main window's close writes the configuration; what no editor posted is
        // rolled back when the data module closes the connection.
        if (window.isVisible())
            window.close();
    }
    UrlService::install(nullptr);
    sorvik::package::PackageDialogs::install(nullptr);
    MessageService::install(nullptr);
    return result;
}

}  // namespace

int main(int argc, char *argv[])
{
    // Both before any thread starts. A failure of the lock folder is reported when the
    // program connects. SIGTERM and SIGINT end the event loop (every nested one with it);
    // the program then ends as when the user closes the main window.
    sorvik::usePrivateEngineLockFolder();
    TerminationSignals interrupts("sorvik", [](int signal) {
        if (QCoreApplication *app = QCoreApplication::instance())
            QMetaObject::invokeMethod(
                app, [signal] { QCoreApplication::exit(128 + signal); }, Qt::QueuedConnection);
    });
    db::whenEngineFirstConnects([] { TerminationSignals::reclaim(); });

    // Swallows a silent abort and shows a database error that reaches the event loop.
    SorvikApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("sorvik"));
    // Dates are shown in the program's own fixed formats; Qt's own widgets speak Japanese
    // whatever the machine's regional settings.
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    return db::endProcess(runProgram());
}
