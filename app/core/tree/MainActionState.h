#pragma once

// Which of the main window's actions are enabled or visible, derived from the state of
// the current project and its construction system.
struct MainActionState
{
    bool projectDependent = false;     // project loaded
    bool primeDependent = false;       // prime contractor set
    bool nissiEnabled = false;         // prime set and a real project
    bool nodeDependent = false;        // a tree node is selected
    bool primeActionsVisible = false;  // place a prime contractor: project, empty tree
    bool subActionsVisible = false;    // place a subcontractor: project, tree not empty
};
