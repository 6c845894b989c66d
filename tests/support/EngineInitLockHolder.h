#pragma once

// Makes the embedded database engine hang as a killed process can make it hang: while an
// object lives, it holds the lock the engine takes in its lock folder (the file
// "fb_init") before it sets up the shared memory of a database. The engine waits for that
// lock without end, so any open of a database this process has not opened before (or
// any open at all in another process using the same lock folder) blocks until the holder
// is gone.
class EngineInitLockHolder
{
public:
    EngineInitLockHolder();
    ~EngineInitLockHolder();
    EngineInitLockHolder(const EngineInitLockHolder &) = delete;
    EngineInitLockHolder &operator=(const EngineInitLockHolder &) = delete;

    // After the holder is gone: waits (up to 20 s) until the opens given up during its
    // life have come back from the engine, so the process can end. False if they did not.
    static bool awaitAbandonedCalls();

private:
    int m_fd = -1;
};
