#pragma once

#include <functional>

// Runs what the user asked for (a button, a key, a click in a grid) so that no exception
// reaches Qt's event loop: a silent abort (EAbort) ends the action quietly, any other failure (database,
// report, input) is shown with its own text through the message service. Returns true
// when the action ran to its end.
bool RunUserAction(const std::function<void()> &action);
