#pragma once

class DemoRowWriter;

namespace db {
class Transaction;
}

// The vehicles, machines and power tools brought onto the road project, so that the
// notification list shows each page filled and every notification prints: two vehicles,
// three machines (one gone out in September, two still on site, inspected), and a tool
// record with three tools and its check grid.
void WriteDemoEquipment(DemoRowWriter &writer, db::Transaction &transaction);
