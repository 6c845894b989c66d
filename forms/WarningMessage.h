#pragma once

#include <QString>
#include <functional>

class QWidget;

// Every warning box of the forms goes through this hook, so that a test (or, later, the
// program's message service) can take the message instead of a modal box.
namespace WarningMessage {

using Handler = std::function<void(QWidget *parent, const QString &caption, const QString &text)>;

// Shows a warning box with the given caption and text through the current handler.
void show(QWidget *parent, const QString &caption, const QString &text);

// Installs a handler (an empty one restores the modal box) and returns the previous one.
Handler replaceHandler(Handler handler);

} // namespace WarningMessage
