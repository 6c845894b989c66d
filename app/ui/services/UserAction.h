#pragma once

#include <functional>

// Runs what the user asked for (a button, a key, a click in a grid, a timer, any event)
// so that no exception reaches Qt's event loop: a silent abort (EAbort) ends the action
// quietly; any other exception is shown through the message service, with its own text
// (a database or input failure, anything with a message) or, for an exception without
// one, a general message naming its type. The program goes on either way. Returns true
// when the action ran to its end.
bool RunUserAction(const std::function<void()> &action);
