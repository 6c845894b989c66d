#pragma once

#include <QString>

// Puts the built templates where the program looks for them: rpt/ in `appDir`.
void LinkBuiltTemplates(const QString &appDir);
