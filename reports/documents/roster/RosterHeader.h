#pragma once

class TDataModule1;

namespace sorvik::documents {

class MarkerWriter;
struct PrintSettings;
struct RosterChoices;

// The roster's page header: creation date, the prime contractor's site office and manager
// as of that date, the contractor with its tier ("(元請)", "(2 次)") and, below the first
// tier, the first-tier contractor above it, and the remark lines of the settings.
void WriteRosterHeader(MarkerWriter &writer, TDataModule1 &data, const PrintSettings &settings,
                       const RosterChoices &choices);

}  // namespace sorvik::documents
