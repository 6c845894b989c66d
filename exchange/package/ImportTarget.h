#pragma once

#include <QString>

namespace sorvik::package {

// Where imported workers and qualifications go: the current project and the contractor
// the importing window chose, with the name it shows for it (copied into each worker).
struct ImportTarget
{
    QString kojiCode;
    QString gyoCode;
    QString gyoName;
};

}  // namespace sorvik::package
