#include "PackageDialogs.h"

namespace sorvik::package {

PackageDialogs::~PackageDialogs() = default;

}  // namespace sorvik::package
