#pragma once

#include "SchemaVersion.h"

#include <QString>

// Creates a new, empty Sorvik database file of the given layout. On any failure the
// half-built file is removed and db::Error rises with the engine's message.
void CreateSorvikDatabase(const QString &path, SchemaVersion version = SchemaVersion::V0_5);
