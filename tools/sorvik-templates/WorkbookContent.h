#pragma once

#include <QString>

namespace templates {

// Whether two workbook files hold the same template: both are read into the engine's model
// and written out again part by part, so that packaging (entry times, compression) and the
// writer's own formatting do not count, while every cell, style, merge, line and page
// setting does. Throws CelvaneError when a file cannot be read.
bool sameWorkbookContent(const QString &fileA, const QString &fileB);

}  // namespace templates
