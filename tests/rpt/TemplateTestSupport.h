#pragma once

#include "TemplateManifest.h"
#include "Workbook.h"

#include <QPoint>
#include <QString>
#include <QStringList>

// The templates as the generator lays them out, and the places tests look at in them.
namespace rpttest {

// The workbook of a manifest entry, laid out in memory (built once per run).
const celvane::Workbook &generated(const QString &fileName);
const celvane::Worksheet &sheet(const celvane::Workbook &book, const QString &name);
// The cell holding a marker, (0, 0) when none does.
QPoint markerCell(const celvane::Worksheet &sheet, const QString &marker);
// Printed pages one copy of a sheet takes: two for the notifications with their checklist.
int printedPagesPerCopy(const QString &sheetName);
// Sheets whose documents are always one page, the only ones fitted to the paper.
bool isOnePageForm(const QString &sheetName);

QString sourceFolder();
QString generatorTool();
// Runs sorvik-templates with the arguments; its exit code, stderr in `errors`.
int runGenerator(const QStringList &arguments, QString *errors = nullptr);

}  // namespace rpttest
