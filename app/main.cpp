#include "program/DataModule1.h"
#include "FormWindows.h"
#include "exchange/QtPackageDialogs.h"
#include "services/MessageBoxService.h"
#include "startup/ProgramStart.h"
#include "startup/SingleInstanceLock.h"
#include "services/SorvikApplication.h"
#include "startup/StartupMessages.h"
#include "main/TMainForm.h"

#include <QLocale>

int main(int argc, char *argv[])
{
    // Swallows a silent abort and shows a database error that reaches the event loop.
    SorvikApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("sorvik"));
    // Dates are shown in the program's own fixed formats; Qt's own widgets speak Japanese
    // whatever the machine's regional settings.
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));

    MessageBoxService messages;
    MessageService::install(&messages);
    QtPackageDialogs packageDialogs;
    sorvik::package::PackageDialogs::install(&packageDialogs);

    SingleInstanceLock lock;
    TDataModule1 dataModule;
    int result = 0;
    if (StartProgram(lock, dataModule, QCoreApplication::applicationDirPath())) {
        FormWindows windows(dataModule);
        TMainForm window(dataModule, windows);
        window.show();
        result = QApplication::exec();
    }
    sorvik::package::PackageDialogs::install(nullptr);
    MessageService::install(nullptr);
    return result;
}
