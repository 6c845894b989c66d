#pragma once

namespace db {
class Transaction;
}

// Fills an empty Sorvik database with a small, realistic site so that a newcomer sees a
// working program at once: the names master of common licences, trainings, job types,
// marks and engineer qualifications; the company's staff; a road project whose prime
// contractor has subcontractors on three tiers, with dated versions of the project and
// of contractors, workers with their photos and qualifications (with certificate
// pictures), two saved versions of its organisation chart, and the vehicles, machines and
// tools they brought in; and a second project whose contractors are registered but not yet
// placed in a construction system.
// Everything is written on `transaction` and committed at the end; a failure rolls back
// and rises as db::Error.
void FillDemoSite(db::Transaction &transaction);

// The company the demo site belongs to (the configuration's company name).
inline constexpr const char *DemoCompanyName = "北辰建設";
