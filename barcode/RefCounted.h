#pragma once

#include "include/strilux_com.h"

#include <atomic>
#include <cstdint>

namespace strilux {

// Objects alive in the library; DllCanUnloadNow answers from it.
std::atomic<long>& liveObjects();

// Reference counting shared by the library's component objects.
class RefCount {
public:
    RefCount() { ++liveObjects(); }
    ~RefCount() { --liveObjects(); }
    RefCount(const RefCount&) = delete;
    RefCount& operator=(const RefCount&) = delete;

    std::uint32_t add() { return ++m_count; }
    std::uint32_t release() { return --m_count; }

private:
    std::atomic<std::uint32_t> m_count{1};
};

}  // namespace strilux
