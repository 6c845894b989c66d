#pragma once

#include <QToolButton>

class QAction;

// A button bound to an action that also follows the action's visibility, so hiding an
// action hides every button of it, as the menus and tool bars do.
class ActionButton : public QToolButton
{
    Q_OBJECT
public:
    ActionButton(QAction *action, QWidget *parent = nullptr);
};
