#pragma once

#include "EditorServices.h"
#include "records/RecordContext.h"

// What every editor is handed by its opener: the records' context (transaction, image
// store, current project, settings, dates) and the windows it may open. Editors reach
// nothing else; tests build one over their own database and scripted services.
struct EditorContext
{
    RecordContext records;
    EditorServices &services;
};
