// sorvik-report: fills a template from a JSON description and saves the document.
#include "Celvane.h"
#include "DocumentRenderer.h"
#include "CelvaneError.h"
#include "ReportScript.h"

#include <QFileInfo>
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
    if (args.size() < 3) {
        err << "usage: sorvik-report DOCUMENT.json OUTPUT.xlsx|OUTPUT.pdf...\n"
               "Fills the template the JSON file names with its calls and saves the result,\n"
               "as a workbook or as printed pages in PDF, by the name's extension.\n";
        return 2;
    }
    try {
        celvane::Celvane engine;
        celvane::ReportScript::runFile(engine, args[1]);
        for (const QString &output : args.mid(2)) {
            if (output.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
                celvane::DocumentRenderer(engine.finishedDocument()).savePdf(output, QFileInfo(output).baseName());
            else
                engine.saveAs(output);
        }
    } catch (const std::exception &error) {
        // Whatever went wrong, one line that says so, and no half-written output.
        err << "sorvik-report: " << celvane::CelvaneError::messageOf(error) << '\n';
        return 1;
    }
    return 0;
}
