#pragma once

#include <QStringList>

// The 22 columns that a 0.4.6 database lacks in GYOSYA, as the statements that add them,
// in the order they are run. SIGNFL comes last: its presence marks an upgraded database.
const QStringList &GyosyaUpgradeStatements();

inline constexpr const char *UpgradeMarkerColumn = "SIGNFL";
