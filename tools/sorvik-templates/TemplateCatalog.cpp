#include "TemplateCatalog.h"

#include "CelvaneError.h"
#include "DocumentRenderer.h"
#include "Forms.h"
#include "TemplateCheck.h"
#include "TemplateManifest.h"
#include "WorkbookContent.h"
#include "XlsxWriter.h"

#include <QDir>
#include <QFile>

#include <cstdio>

namespace templates {

namespace {

// Writes the workbook beside the target and moves it into place only when its content
// differs, so that regenerating a folder leaves unchanged templates as they were.
void replaceIfChanged(const celvane::Workbook &book, const QString &target)
{
    const QString fresh = target + QStringLiteral(".new");
    try {
        celvane::XlsxWriter::write(book, fresh);
        if (QFile::exists(target) && sameWorkbookContent(target, fresh))
            QFile::remove(fresh);
        else if (std::rename(QFile::encodeName(fresh).constData(), QFile::encodeName(target).constData()) != 0)
            throw celvane::CelvaneError(QStringLiteral("cannot replace the file"));
    } catch (...) {
        QFile::remove(fresh);
        throw;
    }
}

}  // namespace

const std::vector<FormTemplate> &formTemplates()
{
    static const std::vector<FormTemplate> all = {
        {QStringLiteral("sagyoinmeibo.xls"), workerRoster},
        {QStringLiteral("sagyoincard.xls"), workerCard},
        {QStringLiteral("sekoudaityo.xls"), constructionLedger},
        {QStringLiteral("saisita.xls"), resubcontractNotice},
        {QStringLiteral("dodaityo3.xls"), regionalLedger},
        {QStringLiteral("gijutsutaikei.xls"), engineerChart},
        {QStringLiteral("carry.xls"), vehicleNotification},
        {QStringLiteral("kikai.xls"), machineNotification},
        {QStringLiteral("kougu.xls"), toolNotification},
        {QStringLiteral("sagyosiji.xls"), safetySheets},
        {QStringLiteral("sikakulist.xls"), qualificationsByWorker},
        {QStringLiteral("sikakunames.xls"), qualificationHolders},
        {QStringLiteral("tenken.xls"), inspectionSheets},
        {QStringLiteral("sonota.xls"), constructionNotice},
    };
    return all;
}

QStringList writeTemplates(const QString &folder, bool pdf)
{
    QStringList problems;
    if (!QDir().mkpath(folder))
        return {QStringLiteral("cannot create the folder %1").arg(folder)};
    for (const FormTemplate &form : formTemplates()) {
        const sorvik::reports::TemplateWorkbook *expected = sorvik::reports::TemplateManifest::workbook(form.fileName);
        if (!expected) {
            problems << QStringLiteral("%1 is not in the manifest").arg(form.fileName);
            continue;
        }
        const QString target = QDir(folder).filePath(expected->storedFileName());
        try {
            const celvane::Workbook book = form.build();
            const QStringList found = TemplateCheck::problems(book, *expected);
            if (!found.isEmpty()) {
                problems << found;
                continue;
            }
            replaceIfChanged(book, target);
            if (pdf)
                celvane::DocumentRenderer(book).savePdf(QDir(folder).filePath(form.fileName.chopped(4) + ".pdf"),
                                                        form.fileName);
        } catch (const celvane::CelvaneError &error) {
            problems << QStringLiteral("%1: %2").arg(target, error.message());
        } catch (const std::exception &error) {
            // A layout mistake, such as two merged blocks over the same cells.
            problems << QStringLiteral("%1: %2").arg(form.fileName, QString::fromLocal8Bit(error.what()));
        }
    }
    return problems;
}

}  // namespace templates
