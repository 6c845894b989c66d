#pragma once

#include "TemplateManifest.h"
#include "Workbook.h"

namespace templates {

// Compares a template workbook with what the documents expect of it: the sheets in the
// manifest's order and, on each, every marker of the manifest once, within the rows of
// one page, and no other marker.
class TemplateCheck
{
public:
    // Cell texts that are markers ("**" and a name), row by row, repeats included.
    static QStringList markersOf(const celvane::Worksheet &sheet);
    // One line per problem, empty when the workbook keeps the contract.
    static QStringList problems(const celvane::Workbook &book, const sorvik::reports::TemplateWorkbook &expected);
};

}  // namespace templates
