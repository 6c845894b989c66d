#pragma once

#include <QString>

namespace sorvik::package {

// Image columns hold the bare name of a stored image (KAO00012.JPG); packages carry the
// file under that name. A name from a row is used as a file name only when it is bare:
// not empty, no "/", "\", ":" or "..", no control character. Anything else would let a
// crafted row read or write outside the work folder.
bool isBareImageName(const QString &name);

}  // namespace sorvik::package
