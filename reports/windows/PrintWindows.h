#pragma once

#include "EquipmentEditorOpener.h"
#include "main/PrintRequest.h"

#include <QString>
#include <functional>

class QWidget;

// The main window's openers of the report windows: each window is made, given the
// request's fields, checked and, when its check passes, shown modally and freed.
namespace PrintWindows {

using WorkerEditor = std::function<void(const QString &kojiCode, const QString &gyoCode, const QString &workerCode)>;

// `editWorkers` opens the worker roster editor from the roster print, `editEquipment` the
// vehicle, machine and tool editors from the notification list; either may be empty.
void Open(QWidget *parent, const PrintRequest &request, const WorkerEditor &editWorkers,
          const EquipmentEditorOpener &editEquipment = {});

}  // namespace PrintWindows
