#pragma once

#include "include/strilux_com.h"

#include <new>

namespace strilux {

// No exception leaves the component layer or the C interface: a component method that
// runs out of memory returns E_OUTOFMEMORY, one that fails otherwise E_FAIL.
template<class Method> StxResult guarded(Method &&method) noexcept
{
    try {
        return method();
    } catch (const std::bad_alloc &) {
        return STX_E_OUTOFMEMORY;
    } catch (...) {
        return STX_E_FAIL;
    }
}

// The same for a C function, which returns `failed` (0, a null pointer) instead.
template<class Result, class Function> Result guardedOr(Result failed, Function &&function) noexcept
{
    try {
        return function();
    } catch (...) {
        return failed;
    }
}

}  // namespace strilux
