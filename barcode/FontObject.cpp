#include "FontObject.h"

namespace strilux {

StxResult FontObject::QueryInterface(const StxGuid& iid, void** object)
{
    if (!object)
        return STX_E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IFont) {
        *object = static_cast<IStxFont*>(this);
        AddRef();
        return STX_S_OK;
    }
    *object = nullptr;
    return STX_E_NOINTERFACE;
}

std::uint32_t FontObject::Release()
{
    const std::uint32_t n = m_refs.release();
    if (n == 0)
        delete this;
    return n;
}

StxResult FontObject::get_Name(char** name)
{
    if (!name)
        return STX_E_POINTER;
    *name = StxAllocString(m_face.c_str());
    return STX_S_OK;
}

StxResult FontObject::get_Bold(std::int32_t* bold)
{
    if (!bold)
        return STX_E_POINTER;
    *bold = m_bold;
    return STX_S_OK;
}

StxResult FontObject::get_Italic(std::int32_t* italic)
{
    if (!italic)
        return STX_E_POINTER;
    *italic = m_italic;
    return STX_S_OK;
}

}  // namespace strilux
