// sorvik-print qualifications, holders, safety, inspection and construction-notice: the qualification
// lists, the safety and inspection sheets and the notice of construction work, made by
// the documents their windows use.
#include "DocumentCommand.h"
#include "PrintJob.h"
#include "others/ConstructionNoticeDocument.h"
#include "others/InspectionSheetDocument.h"
#include "others/ProjectRows.h"
#include "others/QualificationHoldersDocument.h"
#include "others/QualificationsByWorkerDocument.h"
#include "others/SafetySheetDocument.h"

#include <map>

using namespace sorvik::documents;

namespace {

// The value of --sheet among `names`, each naming one sheet.
template<class Sheet> Sheet chosenSheet(PrintJob &job, const std::map<QString, Sheet> &names)
{
    const QString sheet = job.option("--sheet");
    const auto found = names.find(sheet);
    if (found == names.end()) {
        QStringList known;
        for (const auto &[name, value] : names)
            known << name;
        throw PrintUsageError{QStringLiteral("--sheet is one of %1, not %2").arg(known.join(u'|'), sheet)};
    }
    return found->second;
}

const DocumentRegistration qualifications{
    {QStringLiteral("qualifications"),
     QStringLiteral(
         "取得資格一覧 (sikakulist.xls): a contractor's workers and their qualifications, a page per worker"),
     QStringLiteral("--project N --contractor N [--date YYYY/MM/DD]"), [](PrintJob &job, celvane::Celvane &engine) {
         QualificationsByWorkerDocument(job.data, job.settings,
                                        {job.project(), job.contractor().gyoCode, {}, job.date()})
             .Build(engine);
     }}};

const DocumentRegistration holders{
    {QStringLiteral("holders"), QStringLiteral("資格者氏名一覧 (sikakunames.xls): the holders of one qualification"),
     QStringLiteral("--project N --qualification NAME [--date YYYY/MM/DD]"),
     [](PrintJob &job, celvane::Celvane &engine) {
         const QString qualification = job.option("--qualification");
         if (qualification.isEmpty())
             throw PrintUsageError{QStringLiteral("--qualification is required")};
         QualificationHoldersDocument(job.data, job.settings, {job.project(), {}, qualification, job.date()})
             .Build(engine);
     }}};

const DocumentRegistration safety{
    {QStringLiteral("safety"),
     QStringLiteral("作業指示書・安全ミーティング・教育実施 (sagyosiji.xls): one sheet of the chosen kind"),
     QStringLiteral("--project N --sheet instruction|meeting|training [--date YYYY/MM/DD]"),
     [](PrintJob &job, celvane::Celvane &engine) {
         using Sheet = SafetySheetDocument::Sheet;
         const Sheet sheet = chosenSheet<Sheet>(job,
                                                {{QStringLiteral("instruction"), Sheet::WorkInstruction},
                                                 {QStringLiteral("meeting"), Sheet::SafetyMeeting},
                                                 {QStringLiteral("training"), Sheet::Training}});
         SafetySheetDocument(job.data, job.settings, {job.project(), {}, sheet, job.date(), true}).Build(engine);
     }}};

const DocumentRegistration inspection{
    {QStringLiteral("inspection"), QStringLiteral("足場・車両系点検表 (tenken.xls): one of the four inspection sheets"),
     QStringLiteral("--project N --sheet scaffold|scaffold-daily|machine|machine-daily [--place TEXT]"
                    " [--machine NAME --acceptance A12]"),
     [](PrintJob &job, celvane::Celvane &engine) {
         using Sheet = InspectionSheetDocument::Sheet;
         InspectionSheetDocument::Choices choices;
         choices.sheet = chosenSheet<Sheet>(job,
                                            {{QStringLiteral("scaffold"), Sheet::ScaffoldPeriodic},
                                             {QStringLiteral("scaffold-daily"), Sheet::ScaffoldBeforeWork},
                                             {QStringLiteral("machine"), Sheet::MachinePeriodic},
                                             {QStringLiteral("machine-daily"), Sheet::MachineBeforeWork}});
         choices.projectName = ProjectRows::NewestProjectItem(job.data, job.project(), QStringLiteral("KJNM"));
         choices.place = job.option("--place");
         choices.machineName = job.option("--machine");
         choices.acceptance = job.option("--acceptance");
         InspectionSheetDocument(job.settings, choices).Build(engine);
     }}};

const DocumentRegistration notice{
    {QStringLiteral("construction-notice"), QStringLiteral("工事の通知 (sonota.xls): the notice of construction work"),
     QStringLiteral("--project N [--date YYYY/MM/DD]"), [](PrintJob &job, celvane::Celvane &engine) {
         ConstructionNoticeDocument(job.data, job.settings, job.project(), job.date()).Build(engine);
     }}};

}  // namespace
