#pragma once

#include "RefCounted.h"

namespace strilux {

// Creates StriluxCtrl objects; reached through DllGetClassObject.
class ClassFactory final : public ComObject<IStxClassFactory, &IID_IClassFactory>
{
public:
    StxResult CreateInstance(IStxUnknown *outer, const StxGuid &iid, void **object) override;
    StxResult LockServer(std::int32_t lock) override;

    static std::atomic<long> &locks();

private:
    ~ClassFactory() override = default;
};

}  // namespace strilux
