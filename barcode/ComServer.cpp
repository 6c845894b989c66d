// The component server's entry points and the string and font helpers of its interface.
#include "ClassFactory.h"
#include "FontObject.h"
#include "Guarded.h"
#include "Registration.h"
#include "StriluxCtrl.h"

#include <cstdlib>
#include <cstring>
#include <dlfcn.h>

namespace strilux {

std::atomic<long> &liveObjects()
{
    static std::atomic<long> count{0};
    return count;
}

std::atomic<long> &ClassFactory::locks()
{
    static std::atomic<long> count{0};
    return count;
}

StxResult ClassFactory::CreateInstance(IStxUnknown *outer, const StxGuid &iid, void **object)
{
    if (!object)
        return STX_E_POINTER;
    *object = nullptr;
    if (outer)
        return STX_CLASS_E_NOAGGREGATION;
    return guarded([&] {
        auto *control = new StriluxCtrl;
        const StxResult result = control->QueryInterface(iid, object);
        control->Release();
        return result;
    });
}

StxResult ClassFactory::LockServer(std::int32_t lock)
{
    lock ? ++locks() : --locks();
    return STX_S_OK;
}

namespace {
std::string modulePath()
{
    Dl_info info{};
    if (dladdr(reinterpret_cast<void *>(&DllRegisterServer), &info) && info.dli_fname)
        return info.dli_fname;
    return "libstrilux.so";
}
}  // namespace

}  // namespace strilux

using namespace strilux;

STRILUX_API StxResult DllGetClassObject(const StxGuid *clsid, const StxGuid *iid, void **object)
{
    if (!clsid || !iid || !object)
        return STX_E_POINTER;
    *object = nullptr;
    if (!(*clsid == CLSID_StriluxCtrl))
        return STX_CLASS_E_CLASSNOTAVAILABLE;
    return guarded([&] {
        auto *factory = new ClassFactory;
        const StxResult result = factory->QueryInterface(*iid, object);
        factory->Release();
        return result;
    });
}

STRILUX_API StxResult DllCanUnloadNow(void)
{
    return liveObjects() == 0 && ClassFactory::locks() == 0 ? STX_S_OK : STX_S_FALSE;
}

STRILUX_API StxResult DllRegisterServer(void)
{
    return guarded([] { return registerServer(modulePath()) ? STX_S_OK : STX_E_FAIL; });
}

STRILUX_API StxResult DllUnregisterServer(void)
{
    return guarded([] { return unregisterServer() ? STX_S_OK : STX_E_FAIL; });
}

STRILUX_API char *StxAllocString(const char *utf8)
{
    const char *s = utf8 ? utf8 : "";
    const std::size_t n = std::strlen(s) + 1;
    auto *copy = static_cast<char *>(std::malloc(n));
    if (copy)
        std::memcpy(copy, s, n);
    return copy;
}

STRILUX_API void StxFreeString(char *text)
{
    std::free(text);
}

STRILUX_API IStxFont *StxCreateFont(const char *face, std::int32_t bold, std::int32_t italic)
{
    return guardedOr<IStxFont *>(nullptr, [&] { return new FontObject(face ? face : "", bold != 0, italic != 0); });
}
