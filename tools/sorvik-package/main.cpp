#include "PackageTool.h"

#include "system/DatabaseToolInterrupts.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    DatabaseToolInterrupts interrupts("sorvik-package");
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    return interrupts.exitCode(RunPackageTool(app.arguments().mid(1), out, err), err);
}
