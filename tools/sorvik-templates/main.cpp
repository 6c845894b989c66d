// sorvik-templates: lays out every report template and writes it into a folder.
#include "TemplateCatalog.h"

#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    // Fonts are measured for the review pages; no screen is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    QStringList args = app.arguments().mid(1);
    const bool pdf = args.removeAll(QStringLiteral("--pdf")) > 0;
    if (args.size() != 1 || args.first().startsWith(u'-')) {
        err << "usage: sorvik-templates [--pdf] FOLDER\n"
               "Writes every report template as .xlsx into FOLDER (the program's own are in rpt/);\n"
               "--pdf also writes each template's printed pages, markers showing, for review.\n";
        return 2;
    }
    const QStringList problems = templates::writeTemplates(args.first(), pdf);
    for (const QString &problem : problems)
        err << "sorvik-templates: " << problem << '\n';
    return problems.isEmpty() ? 0 : 1;
}
