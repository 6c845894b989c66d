#pragma once

#include <QApplication>

// The program's application object. Qt does not let exceptions pass through its event
// loop, so the last line of defence is here: a silent abort (EAbort) that a handler did
// not catch is swallowed, and a database failure is shown with its own text.
class SorvikApplication : public QApplication
{
public:
    SorvikApplication(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;
};
