#pragma once

#include "include/strilux_com.h"

#include <atomic>
#include <cstdint>

namespace strilux {

// Objects alive in the library; DllCanUnloadNow answers from it.
std::atomic<long> &liveObjects();

// Reference counting shared by the library's component objects.
class RefCount
{
public:
    RefCount() { ++liveObjects(); }
    ~RefCount() { --liveObjects(); }
    RefCount(const RefCount &) = delete;
    RefCount &operator=(const RefCount &) = delete;

    std::uint32_t add() { return ++m_count; }
    std::uint32_t release() { return --m_count; }

private:
    std::atomic<std::uint32_t> m_count{1};
};

// An object with one interface besides IUnknown: reference counting, QueryInterface and
// deletion with the last reference.
template<class Interface, const StxGuid *Iid> class ComObject : public Interface
{
public:
    StxResult QueryInterface(const StxGuid &iid, void **object) override
    {
        if (!object)
            return STX_E_POINTER;
        if (iid == IID_IUnknown || iid == *Iid) {
            *object = static_cast<Interface *>(this);
            AddRef();
            return STX_S_OK;
        }
        *object = nullptr;
        return STX_E_NOINTERFACE;
    }
    std::uint32_t AddRef() override { return m_refs.add(); }
    std::uint32_t Release() override
    {
        const std::uint32_t n = m_refs.release();
        if (n == 0)
            delete this;
        return n;
    }

protected:
    ComObject() = default;
    virtual ~ComObject() = default;

private:
    RefCount m_refs;
};

}  // namespace strilux
