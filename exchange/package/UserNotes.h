#pragma once

#include <QStringList>

namespace sorvik::package {

// Shows what the user should know about an exchange (characters that became "?",
// columns this database lacks, refused image names) as one warning; nothing when there
// is nothing to say. Long lists are cut after the first lines with a count of the rest.
void warnUser(const QStringList &notes);

}  // namespace sorvik::package
