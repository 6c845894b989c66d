#pragma once

#include <QString>
#include <QStringList>

// The current project as tests set and read it.

// Makes `code` the current project, as the main window's loading would.
void SelectProject(const QString &code, const QString &name = {});

// The published construction system, node by node in tree order.
QStringList TreeCaptions();
QStringList TreeCodes();
QStringList TreeLevels();  // as decimal texts
