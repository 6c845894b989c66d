// sorvik-print chart: the engineer chart of a saved version of a project's organisation
// chart, made by the document the engineer chart window uses.
#include "DocumentCommand.h"
#include "PrintJob.h"
#include "chart/EngineerChartDocument.h"

using namespace sorvik::documents;

namespace {

EngineerChartChoices chartChoices(PrintJob &job)
{
    EngineerChartChoices choices;
    choices.kojiCode = job.project();
    choices.printDate = job.date();
    const QString lines = job.option("--lines");
    if (!lines.isEmpty() && lines != QLatin1String("yes") && lines != QLatin1String("no"))
        throw PrintUsageError{QStringLiteral("--lines is yes or no, not ") + lines};
    choices.linkLines = lines != QLatin1String("no");
    const QStringList versions = ChartPrintRows::Versions(job.data.IBTransaction1, choices.kojiCode);
    if (versions.isEmpty())
        throw PrintFailure(QStringLiteral("project ") + choices.kojiCode + QStringLiteral(" has no saved chart"));
    choices.chartDate = job.option("--version");
    if (choices.chartDate.isEmpty())
        choices.chartDate = versions.first();
    else if (!versions.contains(choices.chartDate))
        throw PrintFailure(QStringLiteral("no chart of ") + choices.chartDate + QStringLiteral("; saved: ")
                           + versions.join(QStringLiteral(", ")));
    return choices;
}

const DocumentRegistration chart{
    {QStringLiteral("chart"),
     QStringLiteral("技術者体系図 (gijutsutaikei.xls): a saved organisation chart, one block per subcontractor"),
     QStringLiteral("--project N [--version YYYY/MM/DD (the newest)] [--date YYYY/MM/DD (creation)] [--lines yes|no]"
                    " [--ini sorvik.ini]"),
     [](PrintJob &job, celvane::Celvane &engine) {
         EngineerChartDocument(job.data, job.settings, ChartPrintConfig::read(job.ini.get()), chartChoices(job))
             .Build(engine);
     }}};

}  // namespace
