// sorvik-print: makes a document of the program from a database, without windows.
#include "PrintTool.h"

#include <QDir>
#include <QGuiApplication>

int main(int argc, char *argv[])
{
    // Printed pages need fonts but no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QString templates = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("rpt")) + u'/';
    return RunPrintTool(app.arguments().mid(1), templates, out, err);
}
