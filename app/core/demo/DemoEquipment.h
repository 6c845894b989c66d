#pragma once

class DemoRowWriter;

// The vehicles, machines and power tools the road project's contractors have brought in,
// as their notifications would have been entered.
void WriteDemoEquipment(DemoRowWriter &writer);
