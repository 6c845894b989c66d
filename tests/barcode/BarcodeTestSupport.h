#pragma once

#include "Encoder.h"

#include <string>

namespace testing_support {

strilux::EncodeOptions optionsFor(strilux::BarcodeType type,
                                  strilux::CheckCharMode check = strilux::CheckCharMode::Yes);

// The elements as one character per narrow unit or module: "1" bar, "0" space, wide
// elements as "11"/"00" (a ratio of 2).
std::string unitString(const strilux::Symbol &symbol);
int moduleCount(const strilux::Symbol &symbol);

// All label texts (and text-line cells) concatenated.
std::string labelText(const strilux::Symbol &symbol);

// Writes the symbol as black bars on white with quiet zones, `unit` pixels per narrow
// element (wide 2.5 units), for a peer reader.
void writePng(const strilux::Symbol &symbol, const std::string &path, int unit = 4);

}  // namespace testing_support
