#pragma once

#include <QApplication>

// Widgets need one application object for the whole run. The suite's first test that
// needs one makes it; later tests find it.
inline void EnsureUiTestApplication()
{
    if (QApplication::instance())
        return;
    static int argc = 1;
    static char name[] = "ui_tests";
    static char *argv[] = {name, nullptr};
    static QApplication app(argc, argv);
}
