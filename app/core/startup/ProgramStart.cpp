#include "ProgramStart.h"

#include "config/IniFile.h"
#include "messages/MessageService.h"
#include "program/DataModule1.h"
#include "SingleInstanceLock.h"
#include "StartupMessages.h"

bool StartProgram(SingleInstanceLock &lock, TDataModule1 &dataModule, const QString &appDir)
{
    if (!lock.tryAcquire()) {
        if (lock.errorString().isEmpty())
            MessageService::current().information(StartupMessages::SecondInstance);
        else
            MessageService::current().error(StartupMessages::LockFailed + lock.errorString());
        return false;
    }
    const bool started = dataModule.start(appDir);
    // A configuration the program will not rewrite is told whether or not the start went
    // on: its settings are not saved, and a refused file may be why the start failed.
    if (dataModule.iniFile && !dataModule.iniFile->writeProblem().isEmpty())
        MessageService::current().warning(dataModule.iniFile->writeProblem());
    if (!started) {
        lock.release();
        return false;
    }
    return true;
}
