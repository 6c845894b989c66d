// sorvik-report: fills a template from a JSON description and saves the document.
#include "Celvane.h"
#include "CelvaneError.h"
#include "ReportScript.h"

#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    // A command-line tool: fonts and images work without a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        err << "usage: sorvik-report DOCUMENT.json OUTPUT.xlsx\n"
               "Fills the template the JSON file names with its calls and saves the result.\n";
        return 2;
    }
    try {
        celvane::Celvane engine;
        celvane::ReportScript::runFile(engine, args[1]);
        engine.saveAs(args[2]);
    } catch (const celvane::CelvaneError &error) {
        err << "sorvik-report: " << error.message() << '\n';
        return 1;
    }
    return 0;
}
