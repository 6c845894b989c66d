#pragma once

#include "strilux_com.h"

namespace sorvik::documents {

// The entry points of a loaded Strilux library that its host calls.
struct StriluxModule
{
    using GetClassObject = StxResult (*)(const StxGuid *, const StxGuid *, void **);
    using FreeString = void (*)(char *);

    void *handle = nullptr;
    GetClassObject getClassObject = nullptr;
    FreeString freeString = nullptr;
};

}  // namespace sorvik::documents
