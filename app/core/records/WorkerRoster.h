#pragma once

class TableDataSet;
class WorkerRules;

// What the roster does to workers the user is not editing: the selection mark of one
// worker toggled and posted at once, and the ages of all recalculated on the work date.
// Every change is a normal post with all the rules' checks and cascades. A post that is
// refused (by a check, which has said why, or by the database, whose error is passed on)
// leaves no worker in edit: that worker's change is cancelled, so the next move works.
class WorkerRoster
{
public:
    WorkerRoster(TableDataSet &table, const WorkerRules &rules);

    // SEL of the current worker between 0 and 1; a null counts as 0.
    void ToggleSelection();
    // Every worker whose age on the work date differs from OLD gets the age and its flags;
    // workers without a usable birth date are left as they are. A refused worker ends the
    // run; either way the worker that was current is current again.
    void RecalculateAges();

private:
    void postOrCancel();

    TableDataSet &m_table;
    const WorkerRules &m_rules;
};
