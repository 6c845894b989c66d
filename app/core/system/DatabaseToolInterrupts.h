#pragma once

#include "TerminationSignals.h"

#include <QTextStream>
#include <string>

// What a command-line tool that works with the database sets up first thing in main(),
// before any thread starts: the engine's private lock folder, and SIGINT and SIGTERM
// stopping the database work (db::stopDatabaseWork()), so that the running command fails
// and unwinds as after any failure, and the tool ends saying it was interrupted.
class DatabaseToolInterrupts
{
public:
    explicit DatabaseToolInterrupts(std::string programName);

    // What main() returns for the command's exit code `code`: after an interrupt that
    // made the command fail, 128 + the signal number with a line on `err`; see also
    // db::endProcess().
    int exitCode(int code, QTextStream &err) const;

private:
    std::string m_programName;
    TerminationSignals m_signals;
};
