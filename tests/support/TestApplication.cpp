#include "TestApplication.h"

#include "services/SorvikApplication.h"

QApplication &TestApplication()
{
    if (auto *app = qobject_cast<QApplication *>(QCoreApplication::instance()))
        return *app;
    static int argc = 1;
    static char name[] = "sorvik-tests";
    static char *argv[] = {name, nullptr};
    // The program's own application object: Japanese Qt texts, and exceptions that reach
    // the event loop shown instead of ending the tests.
    static QApplication *app = new SorvikApplication(argc, argv);
    return *app;
}
