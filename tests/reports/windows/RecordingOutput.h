#pragma once

#include "CelvaneOutputHandler.h"
#include "Workbook.h"

#include <QRect>
#include <vector>

// An output handler that keeps a copy of every finished document instead of showing or
// printing it, with how it was ended.
class RecordingOutput : public celvane::CelvaneOutputHandler
{
public:
    struct Ending
    {
        bool preview;
        QRect area;
        celvane::Workbook document;
    };

    void preview(celvane::Celvane &engine, const QRect &area) override;
    void print(celvane::Celvane &engine) override;

    std::vector<Ending> endings;
};
