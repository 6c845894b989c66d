#pragma once

#include <QString>

namespace db {
class Database;
}

// The database layouts Sorvik knows. 0.4 has no CARRY table; 0.4.6 lacks the 22 GYOSYA
// columns that the start-up upgrade adds; 0.5 is the current layout.
enum class SchemaVersion { Unknown, V0_4, V0_4_6, V0_5 };

QString SchemaVersionText(SchemaVersion version);          // "0.4", "0.4.6", "0.5"; empty for Unknown
SchemaVersion SchemaVersionFromText(const QString &text);  // Unknown for any other text

// Reads the layout of an open database by the same tests the start-up makes: no CARRY
// table means 0.4, a GYOSYA without SIGNFL means 0.4.6. A database without the KOJI
// and GYOSYA tables is not a Sorvik database (Unknown).
SchemaVersion DetectSchemaVersion(db::Database &database);
