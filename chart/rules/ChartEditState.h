#pragma once

#include "records/EditButtons.h"

#include <QtGlobal>

class ChartVersions;

// Where the chart editor stands: nothing shown, a new chart not yet saved, a chart changed
// since it was built or loaded, or a saved version as it is stored.
enum class ChartEditState : quint8 { None = 0, New = 1, Modified = 2, Saved = 3 };

// Building and deleting while a saved version is shown; saving and cancelling while there
// is something to save; moving between versions whenever there is a version to move to.
EditButtons ButtonsFor(ChartEditState state, const ChartVersions &versions);

// Any change of a box, of the boxes or of the date field: a saved version becomes
// modified; a new or modified chart stays as it is.
ChartEditState AfterChange(ChartEditState state);
