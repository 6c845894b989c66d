#pragma once

#include "FileAnswers.h"
#include "MaintenanceLog.h"

#include <QStringList>

// The progress memo as the test reads it.
class RecordedLog : public MaintenanceLog
{
public:
    QStringList lines;
    int begun = 0;
    int ended = 0;

    void begin() override
    {
        ++begun;
        lines.clear();
    }
    void line(const QString &text) override { lines << text; }
    void end() override { ++ended; }
};

// The thirteen tables a project's deletion empties, in the order it empties them.
inline const QStringList ProjectTables
    = {QStringLiteral("TAISEI"),   QStringLiteral("TAIKEI"), QStringLiteral("DEZURA"), QStringLiteral("D_CARRY"),
       QStringLiteral("D_KIKAI"),  QStringLiteral("KOJI"),   QStringLiteral("GYOSYA"), QStringLiteral("SAGYOIN"),
       QStringLiteral("INSIKAKU"), QStringLiteral("NMCARD"), QStringLiteral("CARRY"),  QStringLiteral("KIKAI"),
       QStringLiteral("KOUGU")};

// One row in each of the thirteen tables for project `code`.
QStringList ProjectRows(int code, const QString &name);
