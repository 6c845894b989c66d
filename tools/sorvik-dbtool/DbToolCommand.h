#pragma once

#include <QStringList>
#include <QTextStream>

// The command line of sorvik-dbtool, kept apart from main() so tests can run it.
//   create [--version 0.4|0.4.6|0.5] PATH   a new, empty database
//   check PATH                              prints the version of an existing database
//   demo PATH                               the demo site, in a new or empty database
// Returns the process exit code: 0 success, 1 failure, 2 wrong usage.
int RunDbTool(const QStringList &arguments, QTextStream &out, QTextStream &err);
