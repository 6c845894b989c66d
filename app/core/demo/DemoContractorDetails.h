#pragma once

namespace db {
class Transaction;
}

// What the road project's contractors add to the particulars the demo projects write: the
// supervisor, the safety staff, the contract partner, the construction permit, the
// regional page's insurance numbers and payment terms, and the engineers' particulars.
void WriteDemoContractorDetails(db::Transaction &transaction);
