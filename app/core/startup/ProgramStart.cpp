#include "ProgramStart.h"

#include "program/DataModule1.h"
#include "SingleInstanceLock.h"
#include "StartupMessages.h"
#include "messages/MessageService.h"

bool StartProgram(SingleInstanceLock &lock, TDataModule1 &dataModule, const QString &appDir)
{
    if (!lock.tryAcquire()) {
        MessageService::current().information(StartupMessages::SecondInstance);
        return false;
    }
    if (!dataModule.start(appDir)) {
        lock.release();
        return false;
    }
    return true;
}
