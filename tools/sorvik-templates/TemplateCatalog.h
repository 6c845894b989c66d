#pragma once

#include "Workbook.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace templates {

// Every template the generator makes, under the name the documents open it by.
struct FormTemplate
{
    QString fileName;  // "sagyoinmeibo.xls"
    celvane::Workbook (*build)();
};

const std::vector<FormTemplate> &formTemplates();

// Lays every template out, checks it against the documents' manifest and writes it as
// .xlsx into the folder; with `pdf` also its printed pages, markers showing, for review.
// Returns the problems found; a template with problems is not written.
QStringList writeTemplates(const QString &folder, bool pdf);

}  // namespace templates
