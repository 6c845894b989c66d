#pragma once

#include <QStringList>
#include <QTextStream>

// The command line of sorvik-print: a document of the program made from a database without
// windows, by the same document classes the report windows call.
//   sorvik-print --list                          the documents it makes
//   sorvik-print DOCUMENT --db PATH OPTIONS OUT  OUT.pdf (printed pages) or OUT.xlsx
// `templateFolder` holds the templates (rpt/ beside the program). Returns 0 on success, 1
// on failure with one line on `err`, 2 for wrong usage.
int RunPrintTool(const QStringList &arguments, const QString &templateFolder, QTextStream &out, QTextStream &err);
