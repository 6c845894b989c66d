#pragma once

#include <QAction>

#include <functional>

// Runs what the user asked for (a button, a key, a click in a grid, a timer, any event)
// so that no exception reaches Qt's event loop: a silent abort (EAbort) ends the action
// quietly; any other exception is shown through the message service, with its own text
// (a database or input failure, anything with a message) or, for an exception without
// one, a general message naming its type. The program goes on either way. Returns true
// when the action ran to its end.
bool RunUserAction(const std::function<void()> &action);

// Each time `action` is triggered, runs `handler` of `receiver` as a user action (above).
template<typename Receiver> void ConnectUserAction(QAction *action, Receiver *receiver, void (Receiver::*handler)())
{
    QObject::connect(action, &QAction::triggered, receiver,
                     [receiver, handler] { RunUserAction([receiver, handler] { (receiver->*handler)(); }); });
}
