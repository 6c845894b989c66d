#pragma once

#include <QStringList>
#include <QTextStream>

// The command line of sorvik-dbtool, kept apart from main() so tests can run it. DATABASE
// is a file of the embedded engine or "host:path" on a Firebird server.
//   create [--version 0.4|0.4.6|0.5] DATABASE   a new, empty database, made whole or not at all
//   check DATABASE                              prints the layout version of a database that
//                                               passes the engine's full validation
//   demo DATABASE                               the demo site, in a new or empty database
// Returns the process exit code: 0 success, 1 failure, 2 wrong usage.
int RunDbTool(const QStringList &arguments, QTextStream &out, QTextStream &err);
