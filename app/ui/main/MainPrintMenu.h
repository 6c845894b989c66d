#pragma once

#include "PrintRequest.h"

#include <QObject>

class ConstructionSystem;
class MainActions;
class MainFormWindows;
class PrintPanel;
class QAction;
class QWidget;

// The main window's print commands: each opens its report window for the current project
// with what that window needs from the main window (the selected contractor, the prime
// contractor, the page shown on the print panel).
class MainPrintMenu : public QObject
{
    Q_OBJECT
public:
    MainPrintMenu(MainActions &actions, ConstructionSystem &system, PrintPanel &panel, MainFormWindows &windows,
                  QWidget *window);

    // The request an action makes in the main window's present state.
    PrintRequest request(PrintWindow target, int mode = 0) const;

private:
    void connectAction(QAction *action, PrintWindow target, int mode = 0);

    ConstructionSystem &m_system;
    PrintPanel &m_panel;
    MainFormWindows &m_windows;
    QWidget *m_window;
};
