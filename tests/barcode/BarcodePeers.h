#pragma once

#include <string>
#include <vector>

// The outside programs the symbols are checked against.
namespace peers {

// Decodes every image with ZXingReader in one run; one text per file, empty when nothing
// was read. A pure image holds only the symbol, unrotated, which the reader finds faster;
// other images are read without the downscaled pass, which makes this reader abort when it
// finds one symbol twice.
std::vector<std::string> zxingDecode(const std::vector<std::string> &pngFiles, const std::string &format,
                                     bool pure = true);

// Zint's four-state bar sequence of a Japanese postal customer barcode, one digit per bar:
// 1 long, 2 ascender, 3 descender, 4 timing.
std::string zintJapanPostBars(const std::string &value);

std::string scratchDir();
// The build folder, whose bin/ holds the strilux program.
std::string binaryDir();

}  // namespace peers
