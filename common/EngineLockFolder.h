#pragma once

#include <string>

namespace sorvik {

// Where the embedded Firebird engine keeps its lock files and process-shared mutexes.
// Left to itself the engine uses one folder for the whole machine (/tmp/firebird): a
// process killed while holding one of its mutexes then blocks every later process of
// every user, and a folder made by another user makes every open fail. Sorvik's engine
// uses a private folder of the user instead ("firebird" in userPrivateFolder()).
//
// usePrivateEngineLockFolder() sets the engine's FIREBIRD_LOCK to that folder, creating it,
// unless FIREBIRD_LOCK is already set (an administrator's or a test's choice stands). The
// engine reads the variable when it starts, so this must run before the first connection
// (the database layer calls it before it first touches the client library; programs call
// it first thing in main(), before any thread starts). Returns false with the reason in
// `*error` when the folder cannot be made.
bool usePrivateEngineLockFolder(std::string *error = nullptr);

// The folder the engine of this process uses: FIREBIRD_LOCK, or empty when it is not set.
std::string engineLockFolder();

}  // namespace sorvik
