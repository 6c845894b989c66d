#pragma once

class DemoRowWriter;

// The workers of the demo road project with their licences, trainings and educations.
void WriteDemoWorkers(DemoRowWriter &writer);
