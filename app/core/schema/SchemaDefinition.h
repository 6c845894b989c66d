#pragma once

#include "SchemaVersion.h"

#include <QStringList>

// The statements that build an empty database of the given layout, in the order they
// must run: domains, generators, tables, keys and indexes, key-assigning triggers. The
// current layout is the 0.4.6 layout followed by the start-up upgrade statements, so a
// new database and an upgraded one have their GYOSYA columns in the same order.
QStringList SchemaStatements(SchemaVersion version);
