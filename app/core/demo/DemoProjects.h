#pragma once

class DemoRowWriter;

// The two projects of the demo site with their contractors and construction systems.
void WriteDemoProjects(DemoRowWriter &writer);
