#pragma once

#include "SchemaVersion.h"

#include <QStringList>

// The statements that build an empty database of the given layout, in the order they
// must run: domains, generators, tables, keys and indexes, key-assigning triggers. The
// current layout is the 0.4.6 layout followed by the start-up upgrade statements, so a
// new database and an upgraded one have their GYOSYA columns in the same order.
QStringList SchemaStatements(SchemaVersion version);

// KIKAI's check columns, section letter, item number and A or B: CHKA_1A … CHKH_4B.
const QStringList &KikaiCheckColumns();

// The index of the construction system's parent links, which the chart and the
// children of a node are read by.
inline constexpr const char *ParentIndexName = "IDX_TAISEI_HTYCD";
inline constexpr const char *ParentIndexStatement = "create index IDX_TAISEI_HTYCD on TAISEI (KJCD, HTYCD)";
