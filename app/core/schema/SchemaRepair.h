#pragma once

#include <QStringList>

namespace db {
class Database;
class Transaction;
}  // namespace db

// What the start mends in a database an earlier build made, each only where it is
// needed: KIKAI's check columns named CHKA1A … CHKH4B are renamed CHKA_1A … CHKH_4B (the
// names the machine editor, its print and peers' packages use) with their data, and the
// index of the construction system's parent links is added. Committed when anything was
// done; a failure rises as db::Error and leaves the database as it was.
void RepairSchema(db::Database &database, db::Transaction &transaction);

// The statements RepairSchema runs for a database with these KIKAI columns and indexes.
QStringList SchemaRepairStatements(const QStringList &kikaiColumns, const QStringList &indexes);
