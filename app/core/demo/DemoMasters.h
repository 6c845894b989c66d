#pragma once

class DemoRowWriter;

// The program-wide masters of the demo site: names master and staff.
void WriteDemoNames(DemoRowWriter &writer);
void WriteDemoStaff(DemoRowWriter &writer);
