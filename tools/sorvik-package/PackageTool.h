#pragma once

#include <QStringList>
#include <QTextStream>

// The command line of sorvik-package, on the same functions as the program's windows:
//   list FILE                                    what a package, roster or unit file holds
//   export KIND --db PATH [--project N] [--contractor N] [--record N] [--plain]
//          [--company NAME] OUT                  KIND: 0–13, a table name or "roster"
//   import FILE --db PATH [--project N] [--contractor N] [--record N] [--overwrite]
//          [--kind K]                            the kind is read from the file unless given
//   unload --db PATH --project N [--company NAME] OUT
//   load --db PATH FILE                          as a new project; prints its code
// Packages of a project, contractor, vehicle, machine or tool overwrite one record (the
// newest version of a project or contractor; --record names the vehicle, machine or tool).
// Work folders live in a private temporary folder. Returns 0 on success, 1 on failure
// (one line on `err` says why), 2 for wrong usage.
int RunPackageTool(const QStringList &arguments, QTextStream &out, QTextStream &err);
