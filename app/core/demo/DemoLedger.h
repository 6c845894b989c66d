#pragma once

class DemoRowWriter;

// What the construction-system ledger and the re-subcontracting notice print on the demo
// site beyond the contractors' details: the road prime's second permit, its 監理技術者 and
// specialist engineers (only in columns left empty, every version); and a third project,
// a joint venture whose prime lists five permits, with a contractor on each of two tiers.
// Written after the contractors' details.
void WriteDemoLedger(DemoRowWriter &writer);
