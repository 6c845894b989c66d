#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace sorvik::package {

// The scrambling of RECORD and SCHEME members (.ECD): every byte of every line combined
// by exclusive-or with 0x0E, the CR LF line ends kept. The transform is its own inverse.
std::string scrambleText(std::string_view bytes);

// Writes the scrambled (or, for an .ECD source, the plain) form of `source` to `target`,
// whole or not at all. False with the reason in `*error` when the source cannot be read
// or the target not written.
bool ScrambleFile(const QString &source, const QString &target, QString *error = nullptr);

}  // namespace sorvik::package
