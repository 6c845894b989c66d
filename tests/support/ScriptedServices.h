#pragma once

#include "ScriptedFileDialogService.h"
#include "ScriptedMessageService.h"
#include "ScriptedModalService.h"

// Every replaceable service of the program answered from a script, installed for the
// lifetime of the bundle: message boxes, modal windows and file dialogs.
struct ScriptedServices
{
    ScriptedMessageService messages;
    ScriptedModalService modal;
    ScriptedFileDialogService fileDialogs;
};
