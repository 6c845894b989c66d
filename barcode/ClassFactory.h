#pragma once

#include "RefCounted.h"

namespace strilux {

// Creates StriluxCtrl objects; reached through DllGetClassObject.
class ClassFactory final : public IStxClassFactory {
public:
    StxResult QueryInterface(const StxGuid& iid, void** object) override;
    std::uint32_t AddRef() override { return m_refs.add(); }
    std::uint32_t Release() override;
    StxResult CreateInstance(IStxUnknown* outer, const StxGuid& iid, void** object) override;
    StxResult LockServer(std::int32_t lock) override;

    static std::atomic<long>& locks();

private:
    ~ClassFactory() = default;
    RefCount m_refs;
};

}  // namespace strilux
