#pragma once

#include "controls/BoundControl.h"
#include "dateedit/CheckedDateEdit.h"

// The date picker with its check box bound to a column of date texts (the roster's entry
// dates): a blank column shows the work date unchecked; a change of the box or the date
// by the user is written at once, unchecked as no date.
class DBCheckedDateEdit : public CheckedDateEdit, public BoundControl
{
    Q_OBJECT
public:
    explicit DBCheckedDateEdit(QWidget *parent = nullptr);

private:
    void reload();
};
