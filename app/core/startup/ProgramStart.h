#pragma once

#include <QString>

class SingleInstanceLock;
class TDataModule1;

// The program's start before any window opens: refuse a second instance, then run the
// data module's start sequence, and say when the configuration file will not be
// rewritten (see IniFile::writeProblem()). Returns true when the main window may open;
// otherwise the user has been told why through the message service and the program ends.
bool StartProgram(SingleInstanceLock &lock, TDataModule1 &dataModule, const QString &appDir);
