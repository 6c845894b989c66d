#pragma once

#include <initializer_list>

class DemoRowWriter;

// A worker of the demo road project (project 1) with the qualifications it holds.
struct DemoQualification
{
    int kind;
    const char *abbreviation;
    const char *name;
    const char *number;
    const char *issued;
};

struct DemoWorker
{
    int contractor;
    const char *company;
    const char *name;
    const char *reading;
    const char *birth;
    const char *jobs;
    const char *marks;
    const char *address;
    const char *tel;
    const char *hired;
    int experience;
    const char *blood;
    int pressureLow;
    int pressureHigh;
    bool female;
    std::initializer_list<DemoQualification> qualifications;
};

// Writes the worker as worker `code` of its contractor, with its qualifications, the
// abbreviations of its licences, trainings and educations, and its age today; marked for
// printing.
void WriteDemoWorker(DemoRowWriter &writer, const DemoWorker &w, int code);
