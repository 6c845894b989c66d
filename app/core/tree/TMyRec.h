#pragma once

#include <QString>

// What a node of the construction-system tree knows about its contractor.
struct TMyRec
{
    QString GyoCode;  // GYOCD of the contractor
    QString HtyCode;  // GYOCD of the ordering contractor, "0" for the prime contractor
    int Level = 0;    // 0 for the root
};
