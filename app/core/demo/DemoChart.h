#pragma once

class DemoRowWriter;

// Two saved versions of the road project's organisation chart: the spring chart with the
// paving contractor on the second page, and the autumn chart after contractor 5 became a
// company, with colours and frame lines.
void WriteDemoChart(DemoRowWriter &writer);
