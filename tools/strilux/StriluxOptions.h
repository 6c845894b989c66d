#pragma once

#include "strilux.h"

#include <string>
#include <vector>

// One command-line option and the flat-interface put it calls.
struct Option
{
    const char *name;
    const char *help;
    enum Kind { Integer, Real, Text, Flag } kind;
    int (*putInteger)(STRILUX_HANDLE, int);
    int (*putReal)(STRILUX_HANDLE, double);
    int (*putText)(STRILUX_HANDLE, const char *);
};

const std::vector<Option> &options();
const Option *findOption(const std::string &name);
std::string usage();
