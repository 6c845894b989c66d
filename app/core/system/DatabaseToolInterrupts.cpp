#include "DatabaseToolInterrupts.h"

#include "EngineLockFolder.h"
#include "db/EngineControl.h"

namespace {

// Runs before the members are made: the engine's lock folder must be set before any thread.
std::string withLockFolder(std::string programName)
{
    sorvik::usePrivateEngineLockFolder();  // a failure is reported by the first database call
    return programName;
}

}  // namespace

DatabaseToolInterrupts::DatabaseToolInterrupts(std::string programName)
    : m_programName(withLockFolder(std::move(programName)))
    , m_signals(m_programName, [](int) { db::stopDatabaseWork(); })
{
    db::whenEngineFirstConnects([] { TerminationSignals::reclaim(); });
}

int DatabaseToolInterrupts::exitCode(int code, QTextStream &err) const
{
    if (const int signal = TerminationSignals::received(); signal && code != 0) {
        err << QString::fromStdString(m_programName) << ": interrupted by "
            << QString::fromStdString(TerminationSignals::signalName(signal)) << "\n";
        err.flush();
        code = 128 + signal;
    }
    return db::endProcess(code);
}
