#pragma once

namespace db {
class Transaction;
}

// The equipment the notification tests print, in place of the demo site's own on the road
// project: vehicles 1 (contractor 2) and 2 (contractor 4); machines 1 (contractor 4, sign
// "A" 12, still on site, A-3 and D-2 passed on both sides), 2 (contractor 3, "B" 3, gone
// out on 2026/09/30) and 3 (contractor 6, "A" 13, still on site); tool record 1
// (contractor 2, number 5) with three tools and its check grid.
void ReplaceEquipment(db::Transaction &transaction);
