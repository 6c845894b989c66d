#pragma once

#include <QApplication>

// The one application object of the UI tests (made on first use, kept for the run).
inline QApplication &UiTestApplication()
{
    if (auto *app = qobject_cast<QApplication *>(QCoreApplication::instance()))
        return *app;
    static int argc = 1;
    static char name[] = "ui_tests";
    static char *argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    return app;
}

// A first base of fixtures that hold widgets as members: the application exists before them.
struct WithUiApplication
{
    WithUiApplication() { UiTestApplication(); }
};
