#pragma once

#include "ScriptedFileDialogService.h"
#include "ScriptedMessageService.h"
#include "ScriptedModalService.h"
#include "ScriptedUrlService.h"

// Every replaceable service of the program answered from a script, installed for the
// lifetime of the bundle: message boxes, modal windows, file dialogs and the desktop's
// handlers of addresses.
struct ScriptedServices
{
    ScriptedMessageService messages;
    ScriptedModalService modal;
    ScriptedFileDialogService fileDialogs;
    ScriptedUrlService urls;
};
