#pragma once

#include "controls/BoundControl.h"
#include "dateedit/TplDateEdit.h"

// The era date edit bound to a column holding a date text ("yyyy/mm/dd"): shown whenever
// the record changes, written back (validated) when the record is posted. A change by the
// user, to a blank date too, puts the record into edit; putting a date in does not. A
// stored text that is no date is shown as it is (TplDateEdit::ShowText) and written back
// only when the user changed the date.
class DBDateEdit : public TplDateEdit, public BoundControl
{
    Q_OBJECT
public:
    explicit DBDateEdit(QWidget *parent = nullptr);

private:
    void reload();
    void userChanged();

    bool m_reloading = false;
};
