#pragma once

#include <QApplication>

// The one application object of the UI tests, made on first use and never destroyed:
// destroying it among the exit-time destructors runs Qt's clean-up after Qt's own
// statics are gone, which crashes the process after the tests passed.
inline QApplication &UiTestApplication()
{
    if (auto *app = qobject_cast<QApplication *>(QCoreApplication::instance()))
        return *app;
    static int argc = 1;
    static char name[] = "ui_tests";
    static char *argv[] = {name, nullptr};
    static QApplication *app = new QApplication(argc, argv);
    return *app;
}

// A first base of fixtures that hold widgets as members: the application exists before them.
struct WithUiApplication
{
    WithUiApplication() { UiTestApplication(); }
};
