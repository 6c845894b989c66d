#pragma once

#include <QString>

// Where a backup or a restore reports its progress: the main window's memo, emptied and
// shown when the work starts, one line per step and per line of the engine's service,
// hidden when the work has ended well.
class MaintenanceLog
{
public:
    virtual ~MaintenanceLog() = default;

    virtual void begin() = 0;
    virtual void line(const QString &text) = 0;
    virtual void end() = 0;
};
