#include "RecordingOutput.h"

#include "Celvane.h"

void RecordingOutput::preview(celvane::Celvane &engine, const QRect &area)
{
    endings.push_back({true, area, engine.finishedDocument()});
}

void RecordingOutput::print(celvane::Celvane &engine)
{
    endings.push_back({false, {}, engine.finishedDocument()});
}
