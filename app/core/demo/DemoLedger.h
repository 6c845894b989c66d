#pragma once

class DemoRowWriter;

// What the construction-system ledger and the re-subcontracting notice print on the demo
// site: the road project's contractors gain their construction permits, contract dates,
// engineers, contract partners, insurances and payment terms (every version of each, only
// in columns the site left empty); and a third project, a joint venture whose prime holds
// five permits, with two subcontractors. Written after the projects.
void WriteDemoLedger(DemoRowWriter &writer);
