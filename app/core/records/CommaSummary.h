#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The comma lists a worker row keeps of its details: the abbreviations of its licences,
// trainings and educations (MENKYO, GINOKYO, TOKUKYO, 100 characters) and the chosen job
// types and marks (TYP, KIGO, 60 characters). The details themselves live elsewhere
// (INSIKAKU), so a list that would not fit is cut after its last whole entry rather than
// refused: a worker with many licences can still be posted. Empty entries are skipped.
namespace CommaSummary {

// `entries` joined by "," (no blanks), cut after the last whole entry that keeps the
// text within `maxLength` characters (no limit when 0).
QString Join(const QStringList &entries, int maxLength);

// `entry` appended to `list` with a "," between them; nothing when the result would not
// fit into `maxLength` characters.
std::optional<QString> Append(const QString &list, const QString &entry, int maxLength);

// The message when an append does not fit: the field's caption and its length.
QString TooLongMessage(const QString &caption, int maxLength);

}  // namespace CommaSummary
