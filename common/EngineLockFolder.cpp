#include "EngineLockFolder.h"

#include "PrivateFolder.h"

#include <cstdlib>

namespace sorvik {

namespace {

const char *const LockVariable = "FIREBIRD_LOCK";

}  // namespace

bool usePrivateEngineLockFolder(std::string *error)
{
    if (!engineLockFolder().empty())
        return true;
    const std::string folder = userPrivateFolder("firebird", error);
    if (folder.empty())
        return false;
    ::setenv(LockVariable, folder.c_str(), 0);
    return true;
}

std::string engineLockFolder()
{
    const char *value = std::getenv(LockVariable);
    return value ? std::string(value) : std::string();
}

}  // namespace sorvik
