#pragma once

#include <QApplication>
#include <QTranslator>

// The program's application object: the title "Sorvik(NET版)" on every window and in
// message boxes, Qt's own dialogs and context menus in Japanese, and the last line of
// defence against exceptions. Qt does not let exceptions pass through its event loop, so
// every event is delivered through RunUserAction: a silent abort is swallowed, anything
// else is shown, and the program goes on.
class SorvikApplication : public QApplication
{
public:
    SorvikApplication(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;

private:
    QTranslator m_qtTranslations;
};
