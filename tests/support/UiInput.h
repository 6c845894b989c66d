#pragma once

#include <Qt>

class QString;
class QWidget;

// A user's input for the widgets of GUI tests, delivered as key and click events so that
// the widgets' own filters (Enter as Tab, digits only, …) see it. The helpers that look a
// child up by its objectName fail the test when it is missing, hidden or disabled: a test
// must never click what a user could not.

void TypeText(QWidget *widget, const QString &text);
void PressKey(QWidget *widget, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void PressEnter(QWidget *widget);

// Focuses the child `name` of `parent` and types `text` into it.
void TypeInto(QWidget *parent, const char *name, const QString &text);

// Clicks the button `name` among the children of `parent`.
void ClickButton(QWidget *parent, const char *name);
