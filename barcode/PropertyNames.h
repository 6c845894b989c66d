#pragma once

#include "BarcodeTypes.h"

namespace strilux {

// DISPID of a member of IStriluxCtrl by name, or false.
bool dispidOfName(const char *name, int &dispid);

// The predefined strings of an enumerated property by its DISPID, or null.
const EnumTable *predefinedStrings(int dispid);

const EnumTable &rotateNames();
const EnumTable &unitNames();
const EnumTable &messageNames();
const EnumTable &objectModeNames();

}  // namespace strilux
