#pragma once

#include <QString>

namespace sorvik::package {

// How a column value travels inside a package, so that a row always stays on one line.
//
// Encoding: line breaks of any kind become CR LF, characters up to U+0020 at the end are
// removed (U+3000 is not one of them), and each CR LF becomes a form feed (U+000C).
// Other control characters are dropped first: a scrambled line whose byte 0x03 or 0x04
// turned into CR or LF would fall apart on reading.
QString encodeValue(const QString &value);

// Decoding: each form feed becomes CR LF again.
QString decodeValue(const QString &value);

}  // namespace sorvik::package
