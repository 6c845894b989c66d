#include "ActionButton.h"

#include <QAction>

ActionButton::ActionButton(QAction *action, QWidget *parent)
    : QToolButton(parent)
{
    setDefaultAction(action);
    setToolButtonStyle(Qt::ToolButtonTextOnly);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setMinimumHeight(30);
    setVisible(action->isVisible());
    connect(action, &QAction::changed, this, [this, action] { setVisible(action->isVisible()); });
}
