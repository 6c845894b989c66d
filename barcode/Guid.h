#pragma once

#include "include/strilux_com.h"

#include <string>

namespace strilux {

// "{41E0D417-15E4-44AA-8207-4670BA844CF2}"
std::string guidText(const StxGuid &g);

}  // namespace strilux
