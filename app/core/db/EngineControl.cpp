#include "EngineControl.h"

#include "FbApi.h"

#include <cstdio>
#include <unistd.h>

namespace db {

void stopDatabaseWork()
{
    fb::stopping() = true;
}

void whenEngineFirstConnects(std::function<void()> action)
{
    fb::firstConnectionAction() = std::move(action);
}

bool abandonedCallRunning()
{
    return fb::abandonedCalls() > 0;
}

int endProcess(int exitCode)
{
    if (abandonedCallRunning()) {
        std::fflush(nullptr);
        ::_exit(exitCode);
    }
    return exitCode;
}

}  // namespace db
