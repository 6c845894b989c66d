#pragma once

#include "equipment/EquipmentKind.h"

#include <QString>
#include <functional>

class QWidget;

// Opens the vehicle, machine or tool editor on a contractor's record (an empty code: a
// new record) in a start mode (0 edit, 1 import into a new record, 2 export); returns the
// record's code, empty when a new record was not stored.
using EquipmentEditorOpener
    = std::function<QString(QWidget *parent, sorvik::documents::EquipmentKind kind, const QString &kojiCode,
                            const QString &gyoCode, const QString &code, int startMode)>;
