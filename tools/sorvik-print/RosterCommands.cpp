// sorvik-print roster and cards: the worker roster and the worker cards of one contractor,
// made by the documents the roster print window uses.
#include "DocumentCommand.h"
#include "PrintJob.h"
#include "barcode/StriluxControl.h"
#include "barcode/StriluxLibrary.h"
#include "roster/CardBarcode.h"
#include "roster/RosterDocument.h"
#include "roster/WorkerCardsDocument.h"

using namespace sorvik::documents;

namespace {

const QString kOptions = QStringLiteral("--project N --contractor N [--date YYYY/MM/DD] [--order registration|display]"
                                        " [--ini sorvik.ini]");

RosterChoices rosterChoices(PrintJob &job)
{
    const PrintJob::Contractor contractor = job.contractor();
    RosterChoices choices;
    choices.kojiCode = job.project();
    choices.gyoCode = contractor.gyoCode;
    choices.contractorLabel = contractor.label;
    choices.level = contractor.level;
    choices.date = job.date();
    const QString order = job.option("--order");
    if (order == QLatin1String("display"))
        choices.order = RosterOrder::Display;
    else if (!order.isEmpty() && order != QLatin1String("registration"))
        throw PrintUsageError{QStringLiteral("--order is registration or display, not ") + order};
    return choices;
}

const DocumentRegistration roster{{QStringLiteral("roster"),
                                   QStringLiteral("作業員名簿 (sagyoinmeibo.xls): the marked workers, ten to a page"),
                                   kOptions, [](PrintJob &job, celvane::Celvane &engine) {
                                       RosterDocument(job.data, job.settings, rosterChoices(job)).Build(engine);
                                   }}};

const DocumentRegistration cards{
    {QStringLiteral("cards"),
     QStringLiteral("作業員票 (sagyoincard.xls): a card per marked worker with photo, barcode and qualifications"),
     kOptions, [](PrintJob &job, celvane::Celvane &engine) {
         const RosterChoices choices = rosterChoices(job);
         QString problem;
         const std::unique_ptr<StriluxControl> barcode
             = StriluxLibrary::createControl(StriluxLibrary::defaultPath(), problem);
         if (!barcode)
             job.warnings << CardBarcode::WithoutBarcodes + u' ' + problem;
         WorkerCardsDocument(job.data, job.settings, choices, barcode.get()).Build(engine);
     }}};

}  // namespace
