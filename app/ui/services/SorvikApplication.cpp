#include "SorvikApplication.h"

#include "UserAction.h"

SorvikApplication::SorvikApplication(int &argc, char **argv)
    : QApplication(argc, argv)
{
}

bool SorvikApplication::notify(QObject *receiver, QEvent *event)
{
    bool handled = false;
    RunUserAction([&] { handled = QApplication::notify(receiver, event); });
    return handled;
}
