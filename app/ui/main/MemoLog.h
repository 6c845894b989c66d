#pragma once

#include "MaintenanceLog.h"

class QPlainTextEdit;

// The main window's progress memo as the log of a backup or restore. Each line is drawn
// at once, so the user watches the engine work.
class MemoLog : public MaintenanceLog
{
public:
    explicit MemoLog(QPlainTextEdit &memo)
        : m_memo(memo)
    {
    }

    void begin() override;
    void line(const QString &text) override;
    void end() override;

private:
    QPlainTextEdit &m_memo;
};
